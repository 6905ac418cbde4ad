// Where the small programs start, in place of the MinGW start-up code (which brings runtime
// pseudo relocation, floating-point signal support and argument globbing they do not use, some
// 8 KiB each). It does what that code does for a wide GUI program: runs the static
// constructors, calls wWinMain with the arguments part of the command line and the show
// command, and ends through exit() so that atexit functions and static destructors run and
// wWinMain's result is the exit code. The C runtime's argument variables (__argc, __wargv) stay
// empty: programs read the command line wWinMain is given. (The C runtime also reports its own
// errors in a message box, as it does for a program that says it is a GUI program.)
#include <windows.h>

#include <cstdlib>

#include "base/command_line.h"

extern "C" {

// Laid out by the linker: a -1, the constructors (run last to first), a 0; the destructors
// (run first to last), a 0.
extern void (*__CTOR_LIST__[])();
extern void (*__DTOR_LIST__[])();

// atexit for the program itself, kept in the C runtime's exit table.
int __cdecl atexit(void(__cdecl* function)()) {
    return _onexit(reinterpret_cast<_onexit_t>(function)) ? 0 : -1;
}

}  // extern "C"

namespace {

void __cdecl RunStaticDestructors() {
    for (void (**destructor)() = __DTOR_LIST__ + 1; *destructor; ++destructor) (*destructor)();
}

void RunStaticConstructors() {
    size_t count = 0;
    while (__CTOR_LIST__[count + 1]) ++count;
    for (size_t i = count; i >= 1; --i) __CTOR_LIST__[i]();
    atexit(RunStaticDestructors);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show);

// The linker's default entry for GUI programs. The stack the loader hands over is only 4-byte
// aligned, which the code below must not assume.
extern "C" __attribute__((used, force_align_arg_pointer, noreturn)) void WinMainCRTStartup() {
    RunStaticConstructors();

    STARTUPINFOW info = {};
    info.cb = sizeof(info);
    GetStartupInfoW(&info);
    const int show = (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
    const char16_t* line = reinterpret_cast<const char16_t*>(GetCommandLineW());
    PWSTR tail = const_cast<PWSTR>(reinterpret_cast<const wchar_t*>(cmdline::CommandTail(line)));
    std::exit(wWinMain(GetModuleHandleW(nullptr), nullptr, tail, show));
}
