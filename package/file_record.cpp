#include "package/file_record.h"

std::u16string BareFileName(std::u16string_view path) {
    const size_t separator = path.find_last_of(u"\\/");
    if (separator == std::u16string_view::npos) return std::u16string(path);
    return std::u16string(path.substr(separator + 1));
}

bool IsPlainFileName(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") return false;
    for (const char16_t c : name) {
        if (c < 32 || c == u'\\' || c == u'/' || c == u':') return false;
    }
    return true;
}
