#pragma once
// The removal without any window ("Uninstall.exe /S"): the same plan and the same safety rules
// as the pages, and an exit status that says whether everything went.

#include "uninstaller/own_product.h"
#include "uninstaller/removal.h"

namespace uninstaller {

// Exit statuses of the uninstaller run with "/S".
enum UnattendedRemovalStatus : int {
    kRemoved = 0,
    kWrongCommandLine = 1,
    kTerminalRunning = 2,  // a MetaTrader terminal runs; nothing was removed
    kNoProductEntry = 3,   // no trustworthy record of the product; nothing was removed
    kNotAllRemoved = 4,    // a listed file, its Uninstall shortcut or its entry is still there
};

// Removes `product`, installed in `ownFolder`; `report` gets the lines and deletes the
// registry entry. Returns the exit status.
int RunUnattendedRemoval(const OwnProduct& product, const os::Path& ownFolder,
                         RemovalReport& report);

}  // namespace uninstaller
