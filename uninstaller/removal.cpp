#include "uninstaller/removal.h"

#include <algorithm>
#include <vector>

#include "base/text.h"
#include "package/product_entry.h"
#include "package/product_record.h"
#include "translations/active_texts.h"

namespace uninstaller {

using translations::MessageId;
using translations::Text;

std::u16string DeleteFileLine(const os::Path& file) {
    return text::Format(Text(MessageId::DeleteFileLine, u"Delete file %s..."), {file});
}

std::u16string RemoveFolderLine(const os::Path& folder) {
    return text::Format(Text(MessageId::RemoveFolderLine, u"Remove folder %s..."), {folder});
}

void EmptyFolderTree(const os::Path& folder, const std::vector<os::Path>& kept) {
    std::vector<os::FolderEntry> entries;
    if (!os::ListFolder(folder, &entries)) return;
    for (const os::FolderEntry& entry : entries) {
        const os::Path path = folder + u"\\" + entry.name;
        if (entry.isFolder) {
            if (!entry.isLink) EmptyFolderTree(path, kept);
            os::RemoveFolder(path);
            continue;
        }
        const bool keep =
            entry.name == package::kUninstallerName || entry.name == package::kProductRecordName ||
            std::any_of(kept.begin(), kept.end(),
                        [&](const os::Path& file) { return text::EqualsNoCase(file, path); });
        if (!keep) os::DeleteFile(path);
    }
}

bool RunRemoval(const RemovalPlan& plan, RemovalReport& report) {
    if (!plan.trusted) return false;

    for (const os::Path& file : plan.files) {
        report.AddLine(DeleteFileLine(file));
        os::DeleteFile(file);
        report.FileDone();
    }

    EmptyFolderTree(plan.productFolder, plan.kept);
    report.AddLine(RemoveFolderLine(plan.productFolder));

    // The product's shortcuts were listed; what else is in the group belongs to others.
    os::DeleteFile(plan.uninstallLink);
    os::RemoveFolder(plan.menuGroupFolder);
    report.AddLine(RemoveFolderLine(plan.menuGroupFolder));
    // What the installation created goes when it is empty; a folder that was there before
    // the installation is never listed. Each pass removes the folders that are empty by then,
    // so a folder that held only created folders goes in a later one.
    for (bool removed = true; removed;) {
        removed = false;
        for (const os::Path& folder : plan.createdFolders) {
            removed = os::RemoveFolder(folder) || removed;
        }
    }

    if (plan.mayDeleteKey) report.DeleteProductKey();
    report.AddLine(Text(MessageId::UnregisteringLine, kUnregisteringLine));

    report.AddLine(Text(MessageId::DoneLine, kDoneLine));
    return true;
}

}  // namespace uninstaller
