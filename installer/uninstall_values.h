#pragma once
// What the installation's entry among the system's installed programs holds beyond the values
// its uninstaller reads (package/product_entry.h): what the list of installed programs shows.

#include <cstdint>
#include <string>
#include <vector>

#include "os/os.h"
#include "package/product_entry.h"
#include "package/project_strings.h"

namespace installer {

using UninstallValue = package::EntryValue;

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
