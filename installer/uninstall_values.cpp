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

ProgramListValues ProgramListEntry(const os::Path& uninstaller, const os::Path& productFolder,
                                   const ProjectStrings& strings, uint32_t installedKilobytes) {
    ProgramListValues values;
    std::u16string quiet = u"\"";
    quiet += uninstaller;
    quiet += u"\" /S";
    values.strings = {
        {u"QuietUninstallString", quiet},
        {u"DisplayVersion", strings.versionText},
        {u"DisplayIcon", uninstaller},
        {u"InstallLocation", productFolder},
    };
    values.dwords = {
        {u"EstimatedSize", installedKilobytes},
        {u"NoModify", 1},
        {u"NoRepair", 1},
    };
    return values;
}

}  // namespace installer
