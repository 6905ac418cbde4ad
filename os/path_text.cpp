#include "os/path_text.h"

namespace os {

Path WithoutTrailingSeparators(const Path& path) {
    size_t length = path.size();
    while (length > 0 && IsSeparator(path[length - 1])) --length;
    return path.substr(0, length);
}

}  // namespace os
