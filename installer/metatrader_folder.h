#pragma once
// Recognising MetaTrader 4 terminal folders and finding them below Program Files.

#include <vector>

#include "os/os.h"

namespace installer {

// True when `folder` directly holds a file "terminal.exe" and the folders "experts", "sounds"
// and "config" (names compared without regard to letter case). Other entries do not matter;
// a folder that cannot be listed fails.
bool IsMetaTraderFolder(const os::Path& folder);

// The direct subfolders of `parent` that pass IsMetaTraderFolder, as full paths, in the order
// the system lists them. Empty when `parent` cannot be listed.
std::vector<os::Path> FindMetaTraderFolders(const os::Path& parent);

// FindMetaTraderFolders over the system's Program Files folder.
std::vector<os::Path> DiscoverMetaTraderFolders();

enum class AddFolderOutcome {
    Added,          // appended to the list
    AlreadyListed,  // a row with exactly this text (same letter case) exists; nothing added
    NotMetaTrader,  // the folder failed the test; the page shows kInvalidFolderMessage
};
// Adds a folder picked by hand to the candidate rows.
AddFolderOutcome AddCandidateFolder(const os::Path& folder, std::vector<os::Path>* rows);

// `folder` + "\" + `name`, without doubling a backslash that `folder` already ends with.
os::Path JoinPath(const os::Path& folder, const std::u16string& name);

}  // namespace installer
