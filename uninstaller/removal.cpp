#include "uninstaller/removal.h"

#include <vector>

#include "base/text.h"

namespace uninstaller {

std::u16string DeleteFileLine(const os::Path& file) {
    return text::Format(u"Delete file %s...", {file});
}

std::u16string RemoveFolderLine(const os::Path& folder) {
    return text::Format(u"Remove folder %s...", {folder});
}

void EmptyFolderTree(const os::Path& folder) {
    std::vector<os::FolderEntry> entries;
    if (!os::ListFolder(folder, &entries)) return;
    for (const os::FolderEntry& entry : entries) {
        const os::Path path = folder + u"\\" + entry.name;
        if (entry.isFolder) {
            EmptyFolderTree(path);
            os::RemoveFolder(path);
        } else if (entry.name != kUninstallerName) {
            os::DeleteFile(path);
        }
    }
}

bool RunRemoval(const RemovalPlan& plan, RemovalReport& report) {
    if (!plan.trusted) return false;

    for (const os::Path& file : plan.files) {
        report.AddLine(DeleteFileLine(file));
        os::DeleteFile(file);
        report.FileDone();
    }

    EmptyFolderTree(plan.productFolder);
    report.AddLine(RemoveFolderLine(plan.productFolder));

    EmptyFolderTree(plan.menuGroupFolder);
    os::RemoveFolder(plan.menuGroupFolder);
    report.AddLine(RemoveFolderLine(plan.menuGroupFolder));

    if (plan.mayDeleteKey) report.DeleteProductKey();
    report.AddLine(kUnregisteringLine);

    report.AddLine(kDoneLine);
    return true;
}

}  // namespace uninstaller
