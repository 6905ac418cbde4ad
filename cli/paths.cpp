#include "cli/paths.h"

#include "builder/build/temp_files.h"
#include "os/path_text.h"

namespace cli {

bool IsAbsolutePath(const os::Path& path) {
    if (!path.empty() && os::IsSeparator(path[0])) return true;
    const bool letter = path.size() >= 2 && ((path[0] >= u'A' && path[0] <= u'Z') ||
                                             (path[0] >= u'a' && path[0] <= u'z'));
    return letter && path[1] == u':';
}

os::Path FolderOf(const os::Path& file) {
    for (size_t i = file.size(); i > 0; --i) {
        if (!os::IsSeparator(file[i - 1])) continue;
        // Keep the root of "/x" or "C:\x".
        if (i == 1 || (i == 3 && file[1] == u':')) return file.substr(0, i);
        return file.substr(0, i - 1);
    }
    return {};
}

os::Path ResolveAgainst(const os::Path& folder, const os::Path& path) {
    if (folder.empty() || path.empty() || IsAbsolutePath(path)) return path;
    return build::PathInFolder(folder, path);
}

}  // namespace cli
