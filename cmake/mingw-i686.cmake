# Cross build of the Windows programs: 32-bit MinGW-w64 with the win32 thread model,
# so nothing links against winpthread.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
