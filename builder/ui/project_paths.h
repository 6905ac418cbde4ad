#pragma once
// Where project paths come from besides the Open dialog: the command line, files dropped on
// the window, and the list of recently used projects kept in the settings; and the folder a
// build writes into.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The project path of the command line: the text without surrounding blanks and without one
// pair of surrounding quotes, so that a project double-clicked in Explorer opens.
std::u16string CommandLineProjectPath(std::u16string_view commandLine);

// A dropped file opens as a project when its name ends in ".eas", in any letter case.
bool IsProjectFileName(std::u16string_view path);

// The folder a target file is to be written into: the path before its last backslash (or
// slash), "C:\\" for a file at a drive's root. Empty for a bare file name, which goes into the
// current folder.
std::u16string TargetFolder(std::u16string_view path);

// The recent-file list keeps this many projects, the latest first.
constexpr size_t kRecentFileCount = 4;
// `list` with `path` moved to the front (paths compare without regard to case, as Windows
// does) and cut to kRecentFileCount entries.
std::vector<std::u16string> WithRecentFile(std::vector<std::u16string> list,
                                           const std::u16string& path);

}  // namespace ui
