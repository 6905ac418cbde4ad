#pragma once
// What an installation of the product leaves on the machine for its uninstaller: the registry
// entry, and the files and folders a test names.

#include <string>
#include <vector>

namespace winetest {

// The entry's key below HKEY_LOCAL_MACHINE, as StoredRegValues takes it.
extern const char kProductEntry[];
// The same key as reg.exe and RegValues name it: "HKLM\\SOFTWARE\\...".
std::string ProductEntryKey();

// Takes an installation off the machine, whatever an earlier run left of it: the entry, and each
// of `windowsPaths` (folders with all they hold, or files). Empty paths are passed over.
void RemoveInstalledProduct(const std::vector<std::string>& windowsPaths);

}  // namespace winetest
