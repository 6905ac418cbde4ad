#include "uninstaller/removal_plan.h"

#include "package/folder_name.h"

namespace uninstaller {

RemovalPlan PlanFolders(const ProductValues& values, const os::Path& programFiles,
                        const os::Path& commonPrograms) {
    RemovalPlan plan;
    if (!values.entryFound || !values.productDirFound || !values.menuGroupFound) return plan;
    if (!package::IsSubfolderName(values.productDir) ||
        !package::IsSubfolderName(values.menuGroup)) {
        return plan;
    }
    if (programFiles.empty() || commonPrograms.empty()) return plan;

    plan.trusted = true;
    plan.mayDeleteKey = true;
    plan.productFolder = programFiles + u"\\" + values.productDir;
    plan.menuGroupFolder = commonPrograms + u"\\" + values.menuGroup;
    plan.installLogPath = plan.productFolder + u"\\" + package::kInstallLogName;
    return plan;
}

void AddListedFiles(const package::InstallLog& log, RemovalPlan* plan) {
    if (!plan->trusted) return;
    for (const std::u16string& path : log.Entries()) {
        if (package::IsFullPath(path)) plan->files.push_back(path);
    }
}

RemovalPlan MakeRemovalPlan(const ProductValues& values) {
    os::Path programFiles;
    os::Path commonPrograms;
    if (!os::GetKnownFolder(os::KnownFolder::ProgramFiles, &programFiles) ||
        !os::GetKnownFolder(os::KnownFolder::CommonPrograms, &commonPrograms)) {
        return RemovalPlan();
    }
    RemovalPlan plan = PlanFolders(values, programFiles, commonPrograms);
    if (!plan.trusted) return plan;
    package::InstallLog log;
    if (package::InstallLog::Read(plan.installLogPath, &log)) AddListedFiles(log, &plan);
    return plan;
}

}  // namespace uninstaller
