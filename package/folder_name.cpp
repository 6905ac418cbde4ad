#include "package/folder_name.h"

namespace package {

namespace {

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool IsForbiddenInName(char16_t c) {
    if (c < 0x20) return true;
    switch (c) {
        case u'<':
        case u'>':
        case u':':
        case u'"':
        case u'|':
        case u'?':
        case u'*':
            return true;
        default:
            return false;
    }
}

// A level counts when something is left after Windows drops its trailing dots and blanks.
bool IsRealLevel(std::u16string_view level) {
    size_t end = level.size();
    while (end > 0 && (level[end - 1] == u'.' || level[end - 1] == u' ')) --end;
    return end > 0;
}

}  // namespace

bool IsSubfolderName(std::u16string_view name) {
    if (name.empty() || IsSeparator(name.front())) return false;
    if (name.find(u"..") != std::u16string_view::npos) return false;
    for (char16_t c : name) {
        if (IsForbiddenInName(c)) return false;
    }
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        if (IsRealLevel(name.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

bool IsFullPath(std::u16string_view path) {
    if (path.size() >= 3 && path[1] == u':' && IsSeparator(path[2])) {
        const char16_t drive = path[0];
        return (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
    }
    return path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
           !IsSeparator(path[2]);
}

bool IsFolderPath(std::u16string_view path) {
    size_t start = 0;
    if (IsFullPath(path) && path[1] == u':' && path[2] == u'\\') {
        if (path.size() == 3) return true;
        start = 3;
    } else if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\') {
        start = 2;
    } else {
        return false;
    }
    bool emptyName = true;
    for (size_t i = start; i < path.size(); ++i) {
        if (path[i] == u'\\') {
            if (emptyName) return false;
            emptyName = true;
        } else if (path[i] == u'/' || IsForbiddenInName(path[i])) {
            return false;
        } else {
            emptyName = false;
        }
    }
    return !emptyName;
}

}  // namespace package
