#include "cli/text_project/folder_entry.h"

#include <algorithm>

#include "base/text.h"
#include "cli/paths.h"

namespace cli::text_project {

namespace {

// A package text holds at most this many characters.
constexpr size_t kLongestText = project::kPathCapacity - 1;

// Every file below `folder`, as paths inside the tree with "/" between folders. False when a
// folder cannot be listed.
bool ListTree(const os::Path& folder, const std::u16string& inside,
              std::vector<std::u16string>* files) {
    std::vector<os::FolderEntry> entries;
    if (!os::ListFolder(inside.empty() ? folder : folder + u"/" + inside, &entries)) return false;
    for (const os::FolderEntry& entry : entries) {
        const std::u16string path = inside.empty() ? entry.name : inside + u"/" + entry.name;
        if (!entry.isFolder) {
            files->push_back(path);
        } else if (!ListTree(folder, path, files)) {
            return false;
        }
    }
    return true;
}

bool Selected(const FolderEntry& folder, const std::u16string& path) {
    const std::u16string name = path.substr(path.rfind(u'/') + 1);
    const auto matches = [&](const std::u16string& pattern) {
        return MatchesPattern(pattern, pattern.find(u'/') == std::u16string::npos ? name : path);
    };
    const bool included = folder.include.empty() ||
                          std::any_of(folder.include.begin(), folder.include.end(), matches);
    return included && std::none_of(folder.exclude.begin(), folder.exclude.end(), matches);
}

}  // namespace

bool MatchesPattern(std::u16string_view pattern, std::u16string_view text) {
    if (pattern.empty()) return text.empty();
    if (pattern[0] == u'*') {
        // Any run of characters up to the next "/".
        for (size_t skip = 0;; ++skip) {
            if (MatchesPattern(pattern.substr(1), text.substr(skip))) return true;
            if (skip == text.size() || text[skip] == u'/') return false;
        }
    }
    if (text.empty()) return false;
    const bool same = pattern[0] == u'?'
                          ? text[0] != u'/'
                          : text::ToLowerAscii(pattern[0]) == text::ToLowerAscii(text[0]);
    return same && MatchesPattern(pattern.substr(1), text.substr(1));
}

std::u16string ExpandFolderEntry(const FolderEntry& folder, const os::Path& projectFolder,
                                 std::vector<project::FileEntry>* entries) {
    std::vector<std::u16string> files;
    if (!ListTree(ResolveAgainst(projectFolder, folder.folder), u"", &files)) {
        return text::Format(u"the folder %s cannot be listed: %s",
                            {folder.folder, os::LastErrorMessage()});
    }
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&](const std::u16string& path) { return !Selected(folder, path); }),
                files.end());
    if (files.empty())
        return text::Format(u"the folder %s holds no file to install", {folder.folder});
    std::sort(files.begin(), files.end());

    std::u16string destination = folder.entry.destination;
    while (!destination.empty() && (destination.back() == u'\\' || destination.back() == u'/')) {
        destination.pop_back();
    }
    for (const std::u16string& path : files) {
        project::FileEntry entry = folder.entry;
        entry.fileName = folder.folder + u"/" + path;
        entry.destination = destination;
        const size_t slash = path.rfind(u'/');
        if (slash != std::u16string::npos) {
            std::u16string inside = path.substr(0, slash);
            std::replace(inside.begin(), inside.end(), u'/', u'\\');
            entry.destination += u"\\" + inside;
        }
        const size_t nameLength = path.size() - (slash == std::u16string::npos ? 0 : slash + 1);
        if (entry.fileName.size() > kLongestText || entry.destination.size() + 1 > kLongestText ||
            nameLength > kLongestText) {
            return text::Format(
                u"%s is too long for a setup: its path or destination passes %d characters",
                {entry.fileName, text::FromInt(kLongestText)});
        }
        entries->push_back(std::move(entry));
    }
    return {};
}

}  // namespace cli::text_project
