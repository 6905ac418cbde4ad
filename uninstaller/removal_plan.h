#pragma once
// What one uninstallation removes, worked out before anything is touched: the files listed in
// the product's "Install.log", the product folder below Program Files (emptied, keeping
// "Uninstall.exe") and the Start Menu group (emptied and removed), and whether the registry
// entry may go.
//
// A plan is trusted only when the registry entry exists and its "ProductDir" and "MenuGroup"
// name folders strictly below Program Files and the all-users Programs folder. An untrusted
// plan removes nothing at all: the defaults that stand in for a missing entry, or a damaged
// value, could name folders full of other programs' files.

#include <vector>

#include "os/os.h"
#include "package/install_log.h"
#include "uninstaller/product_values.h"

namespace uninstaller {

struct RemovalPlan {
    bool trusted = false;
    os::Path productFolder;       // <Program Files>\<ProductDir>
    os::Path menuGroupFolder;     // <all-users Programs>\<MenuGroup>
    os::Path installLogPath;      // <product folder>\Install.log
    std::vector<os::Path> files;  // the listed files and shortcuts, in listed order
    bool mayDeleteKey = false;
};

// The folders of a plan, from the values and the two base folders; no files yet.
RemovalPlan PlanFolders(const ProductValues& values, const os::Path& programFiles,
                        const os::Path& commonPrograms);

// Adds the listed paths of `log` to a trusted plan. Only full paths are taken: a relative one
// would be resolved against whatever the current folder happens to be.
void AddListedFiles(const package::InstallLog& log, RemovalPlan* plan);

// The whole plan on this machine: the known folders, then the product's "Install.log" (a
// missing or unreadable list just lists nothing). Untrusted when a known folder is unknown.
RemovalPlan MakeRemovalPlan(const ProductValues& values);

}  // namespace uninstaller
