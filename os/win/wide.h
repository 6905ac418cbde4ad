#pragma once
// Paths cross to the wide API unchanged: char16_t and wchar_t are both UTF-16 units here.

#include <windows.h>

#include "os/os.h"

namespace os {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t must be a UTF-16 unit");

inline const wchar_t* Wide(const Path& path) {
    return reinterpret_cast<const wchar_t*>(path.c_str());
}

inline Path FromWide(const wchar_t* text, size_t length) {
    return Path(reinterpret_cast<const char16_t*>(text), length);
}

inline Path FromWide(const wchar_t* text) {
    return FromWide(text, lstrlenW(text));
}

}  // namespace os
