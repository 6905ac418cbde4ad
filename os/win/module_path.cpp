// Full path of the running program.
#include "os/win/wide.h"

namespace os {

Path ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return Path();
        if (length < buffer.size()) return FromWide(buffer.data(), length);
        // Cut to fit: try a larger buffer, up to the longest path Windows has.
        if (buffer.size() >= 32768) return Path();
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace os
