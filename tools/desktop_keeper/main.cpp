// Holds a Wine test session's desktop open. Wine's virtual desktop belongs to the first
// program that needs it and ends with the last program on it; tests start and end programs
// one after another (and end a finished program's whole process group), so without a
// long-lived program of its own the desktop would come and go under them.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
