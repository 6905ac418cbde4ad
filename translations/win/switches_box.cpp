#include "translations/win/switches_box.h"

#include <windows.h>

#include <string>

namespace translations {

void ShowSwitchesBox(const char16_t* translated, const char* english, const char16_t* caption) {
    std::u16string widened;
    if (!translated) {
        for (const char* c = english; *c; ++c) widened += static_cast<char16_t>(*c);
        translated = widened.c_str();
    }
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(translated),
                reinterpret_cast<const wchar_t*>(caption), MB_OK | MB_ICONINFORMATION);
}

}  // namespace translations
