#include "uninstaller/removal_plan.h"

#include "base/text.h"
#include "os/path_text.h"
#include "package/folder_name.h"
#include "package/product_entry.h"

namespace uninstaller {

namespace {

bool IsBelow(const os::Path& path, const os::Path& folder) {
    if (folder.empty() || path.size() <= folder.size()) return false;
    const char16_t next = path[folder.size()];
    return text::EqualsNoCase(std::u16string_view(path).substr(0, folder.size()), folder) &&
           (next == u'\\' || next == u'/');
}

bool ContainsNoCase(std::u16string_view text, std::u16string_view part) {
    for (size_t at = 0; at + part.size() <= text.size(); ++at) {
        if (text::EqualsNoCase(text.substr(at, part.size()), part)) return true;
    }
    return false;
}

// In a folder named "Temp" at any depth: every user's temporary folder and the system's are.
bool IsInTemporaryFolder(const os::Path& path) {
    return ContainsNoCase(path, u"\\Temp\\");
}

}  // namespace

RemovalPlan PlanFolders(const OwnProduct& product, const os::Path& ownFolder,
                        const os::Path& programFiles, const os::Path& commonPrograms) {
    RemovalPlan plan;
    const ProductValues& values = product.values;
    if (!values.entryFound || !values.productDirFound || !values.menuGroupFound) return plan;
    if (!package::IsSubfolderName(values.productDir) ||
        !package::IsSubfolderName(values.menuGroup)) {
        return plan;
    }
    if (programFiles.empty() || commonPrograms.empty()) return plan;
    const os::Path productFolder = programFiles + u"\\" + values.productDir;
    if (!os::SameFolder(productFolder, ownFolder)) return plan;

    plan.trusted = true;
    plan.mayDeleteKey = product.entryIsOwn;
    plan.productFolder = productFolder;
    plan.menuGroupFolder = commonPrograms + u"\\" + values.menuGroup;
    // Only a link in the product's own group is taken from the record.
    plan.uninstallLink = plan.menuGroupFolder + u"\\" + package::kUninstallerLinkName;
    if (IsBelow(values.uninstallLink, plan.menuGroupFolder)) {
        plan.uninstallLink = values.uninstallLink;
    }
    return plan;
}

void AddListedFiles(const package::InstallLog& log, RemovalPlan* plan) {
    if (!plan->trusted) return;
    for (const package::LogEntry& entry : log.All()) {
        if (!package::IsFullPath(entry.path)) continue;
        if (entry.kind == package::LogEntryKind::Keep) {
            plan->kept.push_back(entry.path);
        } else if (IsInTemporaryFolder(entry.path)) {
            continue;
        } else if (entry.kind == package::LogEntryKind::Remove) {
            plan->files.push_back(entry.path);
        } else {
            plan->createdFolders.push_back(entry.path);
        }
    }
}

RemovalPlan MakeRemovalPlan(const OwnProduct& product, const os::Path& ownFolder) {
    os::Path programFiles;
    os::Path commonPrograms;
    if (!os::GetKnownFolder(os::KnownFolder::ProgramFiles, &programFiles) ||
        !os::GetKnownFolder(os::KnownFolder::CommonPrograms, &commonPrograms)) {
        return RemovalPlan();
    }
    RemovalPlan plan = PlanFolders(product, ownFolder, programFiles, commonPrograms);
    if (!plan.trusted) return plan;
    package::InstallLog log;
    if (package::InstallLog::Read(plan.productFolder + u"\\" + package::kInstallLogName, &log)) {
        AddListedFiles(log, &plan);
    }
    return plan;
}

}  // namespace uninstaller
