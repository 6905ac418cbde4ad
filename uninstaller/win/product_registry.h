#pragma once
// The product's registry entry below HKEY_LOCAL_MACHINE, through the native registry class.

#include "registry/win/nt_registry.h"
#include "uninstaller/product_values.h"

namespace uninstaller {

// `errors` says whether the registry object may show what it could not bind.
ProductValues ReadProductValuesFromRegistry(
    CNtRegistry::Errors errors = CNtRegistry::Errors::MessageBox);

// Deletes the key "Tessark" below the Uninstall key; false when it could not be deleted.
bool DeleteProductKeyFromRegistry(CNtRegistry::Errors errors = CNtRegistry::Errors::MessageBox);

}  // namespace uninstaller
