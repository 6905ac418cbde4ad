#pragma once
// The product's registry entry below HKEY_LOCAL_MACHINE, through the native registry class.

#include "uninstaller/product_values.h"

namespace uninstaller {

ProductValues ReadProductValuesFromRegistry();

// Deletes the key "Tessark" below the Uninstall key; false when it could not be deleted.
bool DeleteProductKeyFromRegistry();

}  // namespace uninstaller
