#pragma once
// Small path text rules that both implementations of the seam share.

#include "os/os.h"

namespace os {

// Windows accepts both separators.
inline bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// The path without any trailing "\" or "/" ("C:\" becomes "C:").
Path WithoutTrailingSeparators(const Path& path);

// True when two folder paths name the same folder: letter case and trailing separators aside,
// as Windows compares them.
bool SameFolder(const Path& a, const Path& b);

// `folder` + "\" + `name`, without doubling a backslash that `folder` already ends with.
Path JoinPath(const Path& folder, const std::u16string& name);

}  // namespace os
