# cmake -DINPUTS="a.lang|b.lang" -DOUTPUT=out.cpp -P embed_languages.cmake: a C++ source whose
# translations::EmbeddedLanguageFile(tag, size) returns each file's bytes by its name.
string(REPLACE "|" ";" INPUTS "${INPUTS}")
set(body "")
set(cases "")
set(index 0)
foreach(input ${INPUTS})
  get_filename_component(tag ${input} NAME_WE)
  file(READ ${input} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char k${index}[] = {${bytes} 0};\n")
  string(APPEND cases "    if (std::strcmp(tag, \"${tag}\") == 0) {\n        *size = ${size};\n        return reinterpret_cast<const char*>(k${index});\n    }\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from the language files; do not edit.
#include <cstring>

namespace translations {

namespace {
${body}}  // namespace

const char* EmbeddedLanguageFile(const char* tag, unsigned long* size) {
${cases}    return nullptr;
}

}  // namespace translations
")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.new ${OUTPUT})
