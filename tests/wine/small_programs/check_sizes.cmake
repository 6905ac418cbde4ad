# Fails when a program of the cross build is larger than its limit, or carries its link time
# (a setup must come out the same, byte for byte, whenever the same sources are built).
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
  # The PE header's TimeDateStamp: 8 bytes after the "PE\0\0" that e_lfanew (offset 60) points to.
  file(READ ${path} lfanew OFFSET 60 LIMIT 2 HEX)
  string(SUBSTRING ${lfanew} 0 2 low)
  string(SUBSTRING ${lfanew} 2 2 high)
  math(EXPR stamp_offset "0x${high}${low} + 8")
  file(READ ${path} stamp OFFSET ${stamp_offset} LIMIT 4 HEX)
  if(NOT stamp STREQUAL "00000000")
    message(SEND_ERROR "${program}: its header carries a link time (${stamp}); link with --no-insert-timestamp")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "a program is missing, larger than its limit or stamped")
endif()
