#include <filesystem>

#include "base/text.h"
#include "cli/paths.h"
#include "cli/text_project/text_project.h"

namespace cli::text_project {

namespace {

namespace fs = std::filesystem;

// The folder as an absolute, lexically normal path; "\" separates folders as "/" does, as in
// every path of a project.
fs::path AbsoluteFolder(const os::Path& folder) {
    std::string utf8 = text::ToUtf8(folder.empty() ? u"." : folder);
    for (char& c : utf8) c = c == '\\' ? '/' : c;
    std::error_code ignored;
    return fs::absolute(fs::path(utf8), ignored).lexically_normal();
}

void Rebase(const fs::path& from, const fs::path& to, std::u16string* path) {
    if (path->empty() || IsAbsolutePath(*path)) return;
    std::string utf8 = text::ToUtf8(*path);
    for (char& c : utf8) c = c == '\\' ? '/' : c;
    const fs::path absolute = (from / utf8).lexically_normal();
    const fs::path relative = absolute.lexically_relative(to);
    *path = text::FromUtf8(relative.empty() ? absolute.string() : relative.string());
}

}  // namespace

void RebasePaths(const os::Path& fromFolder, const os::Path& toFolder,
                 project::ProjectModel* model) {
    const fs::path from = AbsoluteFolder(fromFolder);
    const fs::path to = AbsoluteFolder(toFolder);
    if (from == to) return;
    for (auto& list : model->paths) {
        for (std::u16string& path : list) Rebase(from, to, &path);
    }
    for (project::FileEntry& entry : model->otherFiles) Rebase(from, to, &entry.fileName);
    Rebase(from, to, &model->iconPath);
    Rebase(from, to, &model->bannerPath);
    Rebase(from, to, &model->targetFile);
}

}  // namespace cli::text_project
