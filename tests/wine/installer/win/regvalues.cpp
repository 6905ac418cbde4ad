// Prints every value of a key below HKEY_LOCAL_MACHINE, one line each: the name, a tab, the
// type number, a tab and the stored data bytes in hexadecimal, exactly as long as stored (the
// installer writes strings without a terminating zero, which reg.exe does not show faithfully).
//
//   regvalues.exe "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessark"
//
// Exit code 0, or 1 when the key cannot be opened.
#include <windows.h>

#include <cstdio>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, argv[1], 0, KEY_READ, &key) != ERROR_SUCCESS) return 1;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        std::vector<BYTE> data(size + 1);
        nameLength = 256;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS) {
            break;
        }
        char utf8[1024];
        WideCharToMultiByte(CP_UTF8, 0, name, -1, utf8, sizeof utf8, nullptr, nullptr);
        std::printf("%s\t%lu\t", utf8, static_cast<unsigned long>(type));
        for (DWORD i = 0; i < size; ++i) std::printf("%02x", data[i]);
        std::printf("\n");
    }
    RegCloseKey(key);
    return 0;
}
