// A stand-in for a program that the installer starts (the MetaTrader terminal, a post-execute
// file): it leaves "<its own path>.started" holding its command-line arguments in UTF-8, so
// that a test sees from Linux what was started and how. Started with "--stay" it then waits
// (up to a minute), to stand for a terminal that is running.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH - 8) return 1;
    std::wstring marker(self, length);
    marker += L".started";
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    char utf8[4096];
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, arguments, -1, utf8, sizeof utf8, nullptr, nullptr);
    DWORD written = 0;
    const bool ok =
        size > 0 && WriteFile(file, utf8, static_cast<DWORD>(size - 1), &written, nullptr);
    CloseHandle(file);
    if (!ok) return 3;
    if (std::wstring(arguments) == L"--stay") Sleep(60000);
    return 0;
}
