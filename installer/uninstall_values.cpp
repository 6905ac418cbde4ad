#include "installer/uninstall_values.h"

namespace installer {

std::vector<UninstallValue> UninstallValues(const os::Path& uninstaller,
                                            const ProjectStrings& strings) {
    return {
        {u"DisplayName", u"Tessark"},
        {u"UninstallString", uninstaller},
        {u"TessarkVersion", strings.builderVersion},
        {u"ProductName", strings.productName},
        {u"ProductDir", strings.productDirectory},
        {u"MenuGroup", strings.startMenuGroup},
        {u"Version", strings.versionText},
        {u"ContactName", strings.contactName},
        {u"Publisher", strings.publisher},
        {u"Email", strings.contactEmail},
        {u"ProductURL", strings.productUrl},
    };
}

}  // namespace installer
