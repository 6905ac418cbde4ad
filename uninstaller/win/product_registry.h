#pragma once
// The product's registry entry below HKEY_LOCAL_MACHINE, through the native registry class.

#include "registry/win/nt_registry.h"
#include "uninstaller/own_product.h"

namespace uninstaller {

// The product of the uninstaller in `ownFolder`: the shared entry when it is the product's,
// else the product's own record. `errors` says whether the registry object may show what it
// could not bind.
OwnProduct FindOwnProductInRegistry(const os::Path& ownFolder,
                                    CNtRegistry::Errors errors = CNtRegistry::Errors::MessageBox);

// Deletes the key "Tessark" below the Uninstall key; false when it could not be deleted.
bool DeleteProductKeyFromRegistry(CNtRegistry::Errors errors = CNtRegistry::Errors::MessageBox);

}  // namespace uninstaller
