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

}  // namespace os
