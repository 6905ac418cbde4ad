// The last error of this thread as the system words it.
#include "base/text.h"
#include "os/win/wide.h"

namespace os {

std::u16string LastErrorMessage() {
    const DWORD code = GetLastError();
    wchar_t buffer[512];
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       buffer, sizeof buffer / sizeof buffer[0], nullptr);
    if (length == 0) return u"Error " + text::FromInt(code);
    while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n')) --length;
    SetLastError(code);  // reading the message does not change what happened
    return FromWide(buffer, length);
}

}  // namespace os
