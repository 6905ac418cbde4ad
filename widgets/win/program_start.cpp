// Where the small programs start, in place of the MinGW start-up code (which brings TLS
// callbacks, floating-point signal support and argument globbing they do not use, some 8 KiB
// each). It does what that code does for a wide GUI program: applies the runtime pseudo
// relocations of auto-imported data, tells the C runtime the program's kind, fills its argument
// variables, runs the static constructors, calls wWinMain with the arguments part of the
// command line and the show command, and ends through exit() so that atexit functions and
// static destructors run and wWinMain's result is the exit code.
#include <windows.h>

#include <cstdlib>

#include "base/command_tail.h"

extern "C" {

// From the C runtime DLL (msvcrt); declared by no public header.
struct StartupInfoOfRuntime {
    int newMode;
};
void __cdecl __set_app_type(int type);
int __cdecl __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** environment, int expandWildcards,
                           StartupInfoOfRuntime* startup);
// From the MinGW library: runs the static constructors once and registers the destructors
// with atexit; patches references to data imported from DLLs.
void __main();
void _pei386_runtime_relocator();

// atexit for the program itself, kept in the C runtime's exit table.
int __cdecl atexit(void(__cdecl* function)()) {
    return _onexit(reinterpret_cast<_onexit_t>(function)) ? 0 : -1;
}

}  // extern "C"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show);

// The linker's default entry for GUI programs. The stack the loader hands over is only 4-byte
// aligned, which the code below must not assume.
extern "C" __attribute__((used, force_align_arg_pointer, noreturn)) void WinMainCRTStartup() {
    _pei386_runtime_relocator();
    constexpr int kGuiProgram = 2;
    __set_app_type(kGuiProgram);
    int argc = 0;
    wchar_t** argv = nullptr;
    wchar_t** environment = nullptr;
    StartupInfoOfRuntime startup = {0};
    __wgetmainargs(&argc, &argv, &environment, 0, &startup);
    __main();

    STARTUPINFOW info = {};
    info.cb = sizeof(info);
    GetStartupInfoW(&info);
    const int show = (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
    const char16_t* line = reinterpret_cast<const char16_t*>(GetCommandLineW());
    PWSTR tail = const_cast<PWSTR>(reinterpret_cast<const wchar_t*>(text::CommandTail(line)));
    std::exit(wWinMain(GetModuleHandleW(nullptr), nullptr, tail, show));
}
