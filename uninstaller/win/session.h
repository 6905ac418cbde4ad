#pragma once
// What the uninstaller's pages share for the run of the program.

#include <string>

#include "uninstaller/own_product.h"

namespace uninstaller {

struct UninstallSession {
    // Found once at start-up: the removal deletes the registry entry, and going back to the
    // welcome page must still show the product and remove with the same folders.
    OwnProduct product;
    os::Path ownFolder;  // the folder Uninstall.exe stands in
    // The banner picture the pages paint; empty when the program carries none, so that the
    // built-in bitmap is painted rather than a picture some other setup left behind.
    std::u16string bannerFile;
};

}  // namespace uninstaller
