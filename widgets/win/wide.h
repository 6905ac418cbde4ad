#pragma once
// The kit's short names for the text casts of os/win/wide.h: W() hands a std::u16string to
// the wide API, U16() takes a wide text back.

#include "os/win/wide.h"

namespace win {

inline const wchar_t* W(const std::u16string& text) {
    return os::Wide(text);
}
inline const wchar_t* W(const char16_t* text) {
    return os::Wide(text);
}
inline wchar_t* W(char16_t* text) {
    return os::Wide(text);
}

inline std::u16string U16(const wchar_t* text) {
    return os::FromWide(text);
}
inline std::u16string U16(const wchar_t* text, size_t length) {
    return os::FromWide(text, length);
}

}  // namespace win
