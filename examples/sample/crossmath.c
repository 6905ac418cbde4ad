/* crossmath.dll: the helper library the MovingCross sample expert imports. It has no C runtime
   and imports nothing, so it stays a few kilobytes. Build (see ../make-project.sh):
   i686-w64-mingw32-gcc -shared -Os -s -nostdlib -Wl,--kill-at -e _DllMain@12 crossmath.c */

typedef int BOOL;
typedef unsigned long DWORD;
typedef void* HANDLE;

/* +1 when the fast average crossed above the slow one between the two bars, -1 when it crossed
   below, 0 otherwise. */
__declspec(dllexport) int __stdcall CrossDirection(double fastBefore, double slowBefore,
                                                   double fastNow, double slowNow) {
    if (fastBefore <= slowBefore && fastNow > slowNow) return 1;
    if (fastBefore >= slowBefore && fastNow < slowNow) return -1;
    return 0;
}

BOOL __stdcall DllMain(HANDLE instance, DWORD reason, void* reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return 1;
}
