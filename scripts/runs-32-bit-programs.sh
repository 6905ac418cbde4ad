#!/usr/bin/env bash
# Exit status 0 when this machine runs 32-bit x86 programs, and with them 32-bit Wine. Some
# kernels and virtual machines have no 32-bit support; there the Wine tests run the 64-bit
# build of the Windows programs instead (see the Makefile's test target).
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
