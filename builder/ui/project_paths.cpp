#include "builder/ui/project_paths.h"

#include <algorithm>

#include "base/text.h"

namespace ui {

std::u16string CommandLineProjectPath(std::u16string_view commandLine) {
    std::u16string path = text::Trim(commandLine);
    if (path.size() >= 2 && path.front() == u'"' && path.back() == u'"') {
        path = text::Trim(std::u16string_view(path).substr(1, path.size() - 2));
    }
    return path;
}

bool IsProjectFileName(std::u16string_view path) {
    return path.size() > 4 && text::EqualsNoCase(path.substr(path.size() - 4), u".eas");
}

std::u16string TargetFolder(std::u16string_view path) {
    const size_t slash = path.find_last_of(u"\\/");
    if (slash == std::u16string_view::npos || slash == 0) return {};
    std::u16string folder(path.substr(0, slash));
    if (folder.size() == 2 && folder[1] == u':') folder += u'\\';
    return folder;
}

std::vector<std::u16string> WithRecentFile(std::vector<std::u16string> list,
                                           const std::u16string& path) {
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&path](const std::u16string& old) {
                                  return old.empty() || text::EqualsNoCase(old, path);
                              }),
               list.end());
    list.insert(list.begin(), path);
    if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
    return list;
}

}  // namespace ui
