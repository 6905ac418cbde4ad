#include "cli/console.h"

#include <windows.h>

#include <string>

#include "base/text.h"

namespace cli::console {

namespace {

void WriteAll(DWORD which, std::u16string_view text) {
    const HANDLE handle = GetStdHandle(which);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || text.empty()) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.data()),
                      static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = text::ToUtf8(text);
    size_t done = 0;
    while (done < bytes.size()) {
        if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &written, nullptr) ||
            written == 0) {
            return;
        }
        done += written;
    }
}

}  // namespace

void Out(std::u16string_view text) {
    WriteAll(STD_OUTPUT_HANDLE, text);
}

void Err(std::u16string_view text) {
    WriteAll(STD_ERROR_HANDLE, text);
}

bool OutIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

}  // namespace cli::console
