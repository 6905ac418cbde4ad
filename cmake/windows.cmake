# Settings of the cross build. Programs must start on a clean Windows: libgcc and libstdc++
# are linked statically and only system DLLs are imported. Size matters (every setup carries
# the installer stub), so code is optimised for size and unused sections are dropped.
add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800
                        NOMINMAX WIN32_LEAN_AND_MEAN)
# No unwind tables: nothing is thrown, and the linker keeps every function that an .eh_frame
# entry names, which would defeat --gc-sections.
add_compile_options(-Oz -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables
                    -fno-unwind-tables)
# Static data aligned only as the ABI requires: the compiler would align every larger array and
# string to 32 bytes, padding that costs each small program about half a kilobyte.
add_compile_options(-malign-data=abi)
set(CMAKE_CXX_FLAGS "${CMAKE_CXX_FLAGS} -fno-exceptions -fno-rtti -fno-threadsafe-statics")
# Every object carries its optimiser form beside its machine code, so that a program can be
# linked with link-time optimisation (tessark_link_time_optimized: one copy of each string and
# container helper instead of one per file); the others link the machine code as before.
add_compile_options(-flto -ffat-lto-objects)
add_link_options(-fno-lto)
set(CMAKE_AR ${CMAKE_CXX_COMPILER_AR})
set(CMAKE_RANLIB ${CMAKE_CXX_COMPILER_RANLIB})
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s)
# No link time in the PE header: the same sources make the same programs, byte for byte, so
# that a rebuild changes no setup built from them.
add_link_options(-Wl,--no-insert-timestamp)

include(${CMAKE_CURRENT_LIST_DIR}/zlib.cmake)

# tessark_windows_program(name GUI|CONSOLE SOURCES...)
function(tessark_windows_program name kind)
  add_executable(${name} ${ARGN})
  target_link_options(${name} PRIVATE -municode)
  if(kind STREQUAL "GUI")
    target_link_options(${name} PRIVATE -mwindows)
  else()
    target_link_options(${name} PRIVATE -mconsole)
  endif()
endfunction()

# tessark_link_time_optimized(name): links the program with link-time optimisation, in one
# partition (smallest code, and a single job).
function(tessark_link_time_optimized name)
  target_link_options(${name} PRIVATE -flto -flto-partition=one)
endfunction()
