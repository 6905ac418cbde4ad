#pragma once
// What one uninstallation removes, worked out before anything is touched: the files and
// shortcuts listed in the product's "Install.log", the product folder below Program Files
// (emptied, keeping the uninstaller, its record and the files listed as Never Uninstall), the
// product's Uninstall shortcut and then its Start Menu group when that is empty, and whether the
// shared registry entry may go.
//
// A plan is trusted only when a record of the product was found (see own_product.h), its
// "ProductDir" and "MenuGroup" name folders strictly below Program Files and the all-users
// Programs folder, and the product folder is the uninstaller's own. An untrusted plan removes
// nothing at all: the defaults that stand in for a missing record, or a damaged value, could
// name folders full of other programs' files.

#include <vector>

#include "os/os.h"
#include "package/install_log.h"
#include "uninstaller/own_product.h"

namespace uninstaller {

struct RemovalPlan {
    bool trusted = false;
    os::Path productFolder;       // <Program Files>\<ProductDir>, where the uninstaller stands
    os::Path menuGroupFolder;     // <all-users Programs>\<MenuGroup>
    os::Path uninstallLink;       // the product's own Uninstall shortcut in that group
    std::vector<os::Path> files;  // the listed files and shortcuts, in listed order
    std::vector<os::Path> kept;   // files listed as Never Uninstall: never deleted
    // Folders the installation created, in listed order: removed when they are empty.
    std::vector<os::Path> createdFolders;
    bool mayDeleteKey = false;  // the shared entry is this product's
};

// The folders of a plan, from the product found and the base folders; no files yet.
RemovalPlan PlanFolders(const OwnProduct& product, const os::Path& ownFolder,
                        const os::Path& programFiles, const os::Path& commonPrograms);

// Adds the listed paths of `log` to a trusted plan. Only full paths are taken (a relative one
// would be resolved against whatever the current folder happens to be), and none in a folder
// named "Temp" (every user's temporary folder and the system's are), which may hold anything
// by now.
void AddListedFiles(const package::InstallLog& log, RemovalPlan* plan);

// The whole plan on this machine: the known folders, then the product's "Install.log" (a
// missing or unreadable list just lists nothing). Untrusted when a known folder is unknown.
RemovalPlan MakeRemovalPlan(const OwnProduct& product, const os::Path& ownFolder);

}  // namespace uninstaller
