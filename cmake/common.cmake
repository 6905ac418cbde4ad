# Warnings for every target of both builds.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

# The repository root is the include root: #include "package/self_extractor.h".
include_directories(${PROJECT_SOURCE_DIR})

# tessark_portable_library(name SOURCES...): a library of portable code, built in both trees.
function(tessark_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# tessark_embed(output_cpp input_file symbol): turns a file into a C++ source defining
#   extern const unsigned char symbol[]; extern const unsigned long symbol_size;
function(tessark_embed output input symbol)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/embed.cmake
    DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/embed.cmake
    COMMENT "Embedding ${input}")
endfunction()

# tessark_unit_test(name SOURCES files... LIBS libraries...): a GoogleTest program of the host
# build; each TEST becomes one ctest test labelled "unit".
function(tessark_unit_test name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 120)
endfunction()
