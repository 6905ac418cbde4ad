#pragma once
// Which product an uninstaller removes: the one installed in the product folder it stands in.
// Every product shares one registry entry, which the last installation wrote; an uninstaller
// trusts it only when it describes its own folder, and otherwise reads the record that its own
// installation left beside it. So uninstalling one of several products never removes another.

#include "os/os.h"
#include "uninstaller/product_values.h"

namespace uninstaller {

struct OwnProduct {
    ProductValues values;     // entryFound: a record of this product was found, entry or file
    bool entryIsOwn = false;  // the shared entry describes this product: the removal deletes it
};

// `ownFolder`: the folder of the running uninstaller. The shared entry is its own when its
// "UninstallString" names an uninstaller in `ownFolder` (letter case aside); otherwise the values
// come from "Uninstall.dat" in `ownFolder`; without either, nothing is found.
OwnProduct FindOwnProduct(const os::Path& ownFolder, ValueReader& sharedEntry);

// The folder of the running program.
os::Path OwnFolder();

}  // namespace uninstaller
