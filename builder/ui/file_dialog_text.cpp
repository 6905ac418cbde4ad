#include "builder/ui/file_dialog_text.h"

namespace widgets {

std::u16string DialogFilter(const std::u16string& barred) {
    std::u16string zeros = barred;
    for (char16_t& c : zeros) {
        if (c == u'|') c = u'\0';
    }
    // The list ends with an empty description: two zeros in a row (the string's own
    // terminator counts as the last).
    if (!zeros.empty() && zeros.back() != u'\0') zeros += u'\0';
    return zeros;
}

std::u16string BareExtension(const std::u16string& extension) {
    size_t start = 0;
    if (extension.rfind(u"*.", 0) == 0) {
        start = 2;
    } else if (extension.rfind(u".", 0) == 0) {
        start = 1;
    }
    return extension.substr(start);
}

}  // namespace widgets
