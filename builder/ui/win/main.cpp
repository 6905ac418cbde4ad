// Tessark.exe: the setup builder.
#include <windows.h>

#include "builder/ui/win/quillary_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    CQuillaryApp app;
    if (!app.InitInstance(instance, commandLine)) return 1;
    const int code = app.Run();
    app.ExitInstance();
    return code;
}
