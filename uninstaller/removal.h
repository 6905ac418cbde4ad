#pragma once
// Carries out a removal plan through the os seam and tells what it does, line by line, so that
// the progress page and an unattended run share one removal.

#include <string>
#include <vector>

#include "os/os.h"
#include "uninstaller/removal_plan.h"

namespace uninstaller {

class RemovalReport {
  public:
    virtual ~RemovalReport() = default;
    virtual void AddLine(const std::u16string& line) = 0;
    // One listed file has been dealt with (deleted or passed over).
    virtual void FileDone() = 0;
    // Deletes the product's registry entry; the result is not shown.
    virtual bool DeleteProductKey() = 0;
};

// Deletes every listed file (a file that is gone or cannot be deleted is passed over), empties
// the product folder, removes the folders the installation created that are empty now, deletes
// the product's Uninstall shortcut and its Start Menu group when
// nothing else is left in it (a group that several products share keeps theirs), deletes the
// registry entry when it is the product's and ends with "Done.". Failures are passed over
// without a message. An untrusted plan removes nothing and reports nothing; the result is
// false then.
bool RunRemoval(const RemovalPlan& plan, RemovalReport& report);

// Deletes every file below `folder` except those named exactly "Uninstall.exe" or
// "Uninstall.dat" and those in `kept` (full paths, letter case aside), and every subfolder that
// ends up empty; `folder` itself stays. A junction or symbolic link is removed itself and never
// entered, so whatever it points to stays as it is.
void EmptyFolderTree(const os::Path& folder, const std::vector<os::Path>& kept = {});

std::u16string DeleteFileLine(const os::Path& file);
std::u16string RemoveFolderLine(const os::Path& folder);
inline constexpr char16_t kUnregisteringLine[] = u"Unregistering uninstaller...";
inline constexpr char16_t kDoneLine[] = u"Done.";

}  // namespace uninstaller
