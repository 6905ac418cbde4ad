#include "package/product_entry.h"

namespace package {

std::vector<EntryValue> ProductEntryValues(const os::Path& uninstaller,
                                           const ProjectStrings& strings) {
    return {
        {entry::kDisplayName, kProductEntryName},
        {entry::kUninstallString, uninstaller},
        {entry::kTessarkVersion, strings.builderVersion},
        {entry::kProductName, strings.productName},
        {entry::kProductDir, strings.productDirectory},
        {entry::kMenuGroup, strings.startMenuGroup},
        {entry::kVersion, strings.versionText},
        {entry::kContactName, strings.contactName},
        {entry::kPublisher, strings.publisher},
        {entry::kEmail, strings.contactEmail},
        {entry::kProductUrl, strings.productUrl},
    };
}

}  // namespace package
