# The same Windows programs built as 64-bit programs, only for running the Wine tests on a
# machine that cannot run 32-bit programs (see the Makefile's test target). The programs that
# ship are the 32-bit ones of cmake/mingw-i686.cmake.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
