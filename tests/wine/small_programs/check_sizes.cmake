# Fails when a program of the cross build is larger than its limit.
#   cmake -DWIN_BUILD_DIR=<cross build> -P check_sizes.cmake
# Every setup executable is a copy of extractor.exe (which carries Uninstall.exe) plus its
# package, so these bytes are paid by every download: extractor.exe is held to 128 KiB,
# Uninstall.exe to 48 KiB.
set(limits
    "installer/win/extractor.exe=131072"
    "uninstaller/win/Uninstall.exe=49152")

set(failed FALSE)
foreach(entry ${limits})
  string(REPLACE "=" ";" pair ${entry})
  list(GET pair 0 program)
  list(GET pair 1 limit)
  set(path ${WIN_BUILD_DIR}/${program})
  if(NOT EXISTS ${path})
    message(SEND_ERROR "${program}: not built in ${WIN_BUILD_DIR}")
    set(failed TRUE)
    continue()
  endif()
  file(SIZE ${path} size)
  if(size GREATER limit)
    math(EXPR over "${size} - ${limit}")
    message(SEND_ERROR "${program}: ${size} bytes, ${over} over its limit of ${limit}")
    set(failed TRUE)
  else()
    math(EXPR headroom "${limit} - ${size}")
    message(STATUS "${program}: ${size} bytes, ${headroom} below its limit of ${limit}")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "a program is missing or larger than its limit")
endif()
