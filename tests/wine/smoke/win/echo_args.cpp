// Prints each argument on a line of its own (UTF-8) and exits with the number given after
// "--exit", or 0: lets the harness check arguments, captured output and exit codes.

#include <windows.h>

#include <string>

namespace {

void Write(HANDLE handle, const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size,
                        nullptr, nullptr);
    bytes += '\n';
    DWORD done = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--exit" && i + 1 < argc) {
            exitCode = _wtoi(argv[++i]);
            continue;
        }
        Write(GetStdHandle(STD_OUTPUT_HANDLE), argv[i]);
    }
    Write(GetStdHandle(STD_ERROR_HANDLE), L"done");
    return exitCode;
}
