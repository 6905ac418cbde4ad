#include "tools/uidriver/win/console.h"

#include <windows.h>

namespace uidriver {

namespace {

void WriteLine(DWORD which, const std::string& utf8) {
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    std::string line = utf8 + "\n";
    DWORD done = 0;
    WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &done, nullptr);
}

}  // namespace

void PrintLine(const std::string& utf8) {
    WriteLine(STD_OUTPUT_HANDLE, utf8);
}

void PrintError(const std::string& utf8) {
    WriteLine(STD_ERROR_HANDLE, utf8);
}

}  // namespace uidriver
