#pragma once
// A folder in a text project's Other Files: every file below it becomes one entry of the
// setup, its destination the entry's destination followed by the file's folder inside the
// tree, so that "{metatrader}\experts\include\Vendor" gets "Lib\a.mqh" as
// "...\include\Vendor\Lib\a.mqh" (and in a current terminal the matching MQL4 path).
//
// Patterns: "*" stands for any characters and "?" for one, neither across a "/", letters
// compared without regard to case. A pattern with a "/" is matched against the file's path
// inside the tree ("Lib/*.mqh"), any other against its name ("*.mqh").

#include <string>
#include <string_view>
#include <vector>

#include "builder/project/project_model.h"
#include "os/os.h"

namespace cli::text_project {

struct FolderEntry {
    std::u16string folder;  // as the project names it, relative to `projectFolder`
    // The destination and the other texts every file's entry takes (its fileName is unused).
    project::FileEntry entry;
    std::vector<std::u16string> include;  // empty: every file
    std::vector<std::u16string> exclude;
};

bool MatchesPattern(std::u16string_view pattern, std::u16string_view text);

// The files below the folder that the patterns select, one entry each, in the order of their
// paths inside the tree (compared unit by unit, with "/" between folders), so that a setup's
// bytes do not depend on the order the file system lists them. Their fileName is the folder as
// the project names it followed by the path inside the tree. Empty on success; otherwise the
// one problem: a folder that cannot be listed, no file selected, a path or destination longer
// than a package text holds (259 characters).
std::u16string ExpandFolderEntry(const FolderEntry& folder, const os::Path& projectFolder,
                                 std::vector<project::FileEntry>* entries);

}  // namespace cli::text_project
