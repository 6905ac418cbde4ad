#include "tests/wine/harness/installed_product.h"

#include <filesystem>

#include "tests/wine/harness/prefix_paths.h"
#include "tests/wine/harness/process.h"

namespace winetest {

const char kProductEntry[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessark";

std::string ProductEntryKey() {
    return std::string("HKLM\\") + kProductEntry;
}

void RemoveInstalledProduct(const std::vector<std::string>& windowsPaths) {
    Run("reg", {"delete", ProductEntryKey(), "/f"});
    for (const std::string& path : windowsPaths) {
        if (!path.empty()) std::filesystem::remove_all(HostPath(path));
    }
}

}  // namespace winetest
