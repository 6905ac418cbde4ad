#pragma once
// The removal without any window ("Uninstall.exe /S"): the same plan and the same safety rules
// as the pages, and an exit status that says whether everything went.

#include "uninstaller/product_values.h"
#include "uninstaller/removal.h"

namespace uninstaller {

// Exit statuses of the uninstaller run with "/S".
enum UnattendedRemovalStatus : int {
    kRemoved = 0,
    kWrongCommandLine = 1,
    kTerminalRunning = 2,  // a MetaTrader terminal runs; nothing was removed
    kNoProductEntry = 3,   // the registry entry is missing or damaged; nothing was removed
    kNotAllRemoved = 4,    // a listed file, the Start Menu group or the entry is still there
};

// Removes the product that `values` describe; `report` gets the lines and deletes the
// registry entry. Returns the exit status.
int RunUnattendedRemoval(const ProductValues& values, RemovalReport& report);

}  // namespace uninstaller
