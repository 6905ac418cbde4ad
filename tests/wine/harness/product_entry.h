#pragma once
// The registry entry in which a setup registers the product for its uninstaller.

#include <string>

namespace winetest {

// The key below HKEY_LOCAL_MACHINE, as StoredRegValues takes it.
extern const char kProductEntry[];
// The same key as reg.exe and RegValues name it: "HKLM\\SOFTWARE\\...".
std::string ProductEntryKey();

// Deletes the entry, with whatever an earlier run left in it.
void DeleteProductEntry();

}  // namespace winetest
