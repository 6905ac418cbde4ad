// A process named terminal.exe for as long as the test needs one (at most a minute).
#include <windows.h>

int wmain() {
    Sleep(60000);
    return 0;
}
