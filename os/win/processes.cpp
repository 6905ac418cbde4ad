// Running processes through a Toolhelp snapshot, and starting programs through the shell.
#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

#include "base/text.h"
#include "os/os.h"
#include "os/win/wide.h"

namespace os {

bool IsProcessRunning(const std::u16string& exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry)) {
        found = text::EqualsNoCase(reinterpret_cast<const char16_t*>(entry.szExeFile), exeName);
    }
    CloseHandle(snapshot);
    return found;
}

int32_t ShellOpen(const Path& path, const std::u16string& parameters, ShowMode show) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Wide(path), parameters.empty() ? nullptr : Wide(parameters),
                      nullptr, show == ShowMode::Maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
    return static_cast<int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace os
