#pragma once
// The installation's entry among the system's installed programs: HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessark", eleven string values. The key
// name is the same for every product, so a later installation replaces an earlier one's values;
// the uninstaller reads them to know what to remove.

#include <string>
#include <vector>

#include "os/os.h"
#include "package/project_strings.h"

namespace installer {

inline constexpr char16_t kUninstallKeyPath[] =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr char16_t kUninstallEntryName[] = u"Tessark";

struct UninstallValue {
    const char16_t* name;
    std::u16string data;
};

// The values in the order they are written. "ProductDir" is the folder name as the package
// carries it, "UninstallString" the uninstaller's full path.
std::vector<UninstallValue> UninstallValues(const os::Path& uninstaller,
                                            const ProjectStrings& strings);

}  // namespace installer
