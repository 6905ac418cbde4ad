#include "installer/uninstall_values.h"

namespace installer {

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
