# zlib of the cross build, compiled from Debian's zlib source, which scripts/install-deps.sh
# puts in /usr/local/src/tessark-zlib (or where the environment's TESSARK_ZLIB_SOURCE says):
# the release's zlib, so that the Windows programs compress exactly as the host's zlib1g does.
# Built here rather than taken prebuilt so that its code follows the size rules of the rest:
# every setup carries the inflater. Without gzip support (NO_GZIP): a package holds zlib
# streams only, and with it go the CRC-32 code and tables.
set(zlib_default_source /usr/local/src/tessark-zlib)
if(DEFINED ENV{TESSARK_ZLIB_SOURCE})
  set(zlib_default_source $ENV{TESSARK_ZLIB_SOURCE})
endif()
set(TESSARK_ZLIB_SOURCE ${zlib_default_source} CACHE PATH "Debian's zlib source")
set(zlib_sources adler32.c compress.c deflate.c trees.c inflate.c inffast.c inftrees.c zutil.c)
foreach(file ${zlib_sources} zlib.h)
  if(NOT EXISTS ${TESSARK_ZLIB_SOURCE}/${file})
    message(FATAL_ERROR "${TESSARK_ZLIB_SOURCE}/${file} is missing: run scripts/install-deps.sh")
  endif()
endforeach()
list(TRANSFORM zlib_sources PREPEND ${TESSARK_ZLIB_SOURCE}/)

add_library(tessark_zlib STATIC ${zlib_sources})
target_compile_definitions(tessark_zlib PRIVATE NO_GZIP)
target_compile_options(tessark_zlib PRIVATE -w)
target_include_directories(tessark_zlib SYSTEM PUBLIC ${TESSARK_ZLIB_SOURCE})
# The compressor runs only in the builders, where its speed is what counts.
set_source_files_properties(${TESSARK_ZLIB_SOURCE}/deflate.c ${TESSARK_ZLIB_SOURCE}/trees.c
                            PROPERTIES COMPILE_OPTIONS -O2)
add_library(ZLIB::ZLIB ALIAS tessark_zlib)
set(ZLIB_FOUND TRUE)
