#pragma once
// The installation's entry among the system's installed programs: HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessark", eleven string values. The key
// name is the same for every product, so a later installation replaces an earlier one's values;
// the uninstaller reads them to know what to remove.

#include <cstdint>
#include <string>
#include <vector>

#include "os/os.h"
#include "package/project_strings.h"

namespace installer {

inline constexpr char16_t kUninstallKeyPath[] =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr char16_t kUninstallEntryName[] = u"Tessark";

// The product's own record beside the uninstaller ("Uninstall.dat", package/product_record.h)
// holds the same values and this one more: the product's Uninstall shortcut.
inline constexpr char16_t kUninstallLinkValue[] = u"UninstallLink";

struct UninstallValue {
    const char16_t* name;
    std::u16string data;
};

// The values in the order they are written. "ProductDir" is the folder name as the package
// carries it, "UninstallString" the uninstaller's full path.
std::vector<UninstallValue> UninstallValues(const os::Path& uninstaller,
                                            const ProjectStrings& strings);

struct UninstallDword {
    const char16_t* name;
    uint32_t data;
};

// What the system's list of installed programs shows and offers beyond the eleven values,
// written after them. The uninstaller reads none of these.
struct ProgramListValues {
    // "QuietUninstallString" ("\"<uninstaller>\" /S"), "DisplayVersion", "DisplayIcon" and
    // "InstallLocation", in this order.
    std::vector<UninstallValue> strings;
    // "EstimatedSize" (kilobytes), "NoModify" and "NoRepair" (1: the list offers neither).
    std::vector<UninstallDword> dwords;
};
ProgramListValues ProgramListEntry(const os::Path& uninstaller, const os::Path& productFolder,
                                   const ProjectStrings& strings, uint32_t installedKilobytes);

}  // namespace installer
