#include "tests/wine/harness/product_entry.h"

#include "tests/wine/harness/process.h"

namespace winetest {

const char kProductEntry[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessark";

std::string ProductEntryKey() {
    return std::string("HKLM\\") + kProductEntry;
}

void DeleteProductEntry() {
    Run("reg", {"delete", ProductEntryKey(), "/f"});
}

}  // namespace winetest
