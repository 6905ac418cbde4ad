#include "os/path_text.h"

#include "base/text.h"

namespace os {

Path WithoutTrailingSeparators(const Path& path) {
    size_t length = path.size();
    while (length > 0 && IsSeparator(path[length - 1])) --length;
    return path.substr(0, length);
}

bool SameFolder(const Path& a, const Path& b) {
    std::u16string_view first(a), second(b);
    while (!first.empty() && IsSeparator(first.back())) first.remove_suffix(1);
    while (!second.empty() && IsSeparator(second.back())) second.remove_suffix(1);
    return text::EqualsNoCase(first, second);
}

Path JoinPath(const Path& folder, const std::u16string& name) {
    Path path = folder;
    if (path.empty() || path.back() != u'\\') path += u'\\';
    path += name;
    return path;
}

}  // namespace os
