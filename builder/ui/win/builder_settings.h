#pragma once
// The builder's settings under HKEY_CURRENT_USER\Software\Tessark: the recent-file list
// ("Recent File List", File1 to File4, which no menu shows) and, in "Settings", the address of
// the update document when it is not the maker's ("UpdateUrl").

#include <string>
#include <vector>

namespace settings {

std::vector<std::u16string> RecentFiles();
// Puts `path` first in the recent-file list and writes the list back.
void AddRecentFile(const std::u16string& path);

// The "UpdateUrl" value; empty when it is not set.
std::u16string UpdateUrl();

}  // namespace settings
