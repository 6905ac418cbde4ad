#include "base/text.h"
#include "os/path_text.h"
#include "package/install_log.h"
#include "package/path_macros.h"
#include "package/self_extractor.h"

namespace {

// "<folder>\<name>.lnk"
os::Path LinkPath(const os::Path& folder, const std::u16string& name) {
    return text::Format(u"%s\\%s.lnk", {folder, name});
}

// How the list names an installed copy: a Never Uninstall file is kept, everything else goes.
package::LogEntryKind KindOf(const FileRecord& record) {
    return IsFlagSet(record.neverUninstall) ? package::LogEntryKind::Keep
                                            : package::LogEntryKind::Remove;
}

// Lists the levels of `folder` that do not exist yet, from the top down, as folders this
// installation creates: the uninstaller removes them again once they are empty, and never a
// folder that was there before.
void NoteMissingLevels(const os::Path& folder, package::InstallLog* log) {
    const os::Path level = os::WithoutTrailingSeparators(folder);
    if (os::GetPathKind(level) != os::PathKind::Missing) return;
    const size_t cut = level.find_last_of(u"\\/");
    // A drive's root is never created.
    if (cut != os::Path::npos && cut >= 3) NoteMissingLevels(level.substr(0, cut), log);
    log->Add(level, package::LogEntryKind::CreatedFolder);
}

// Writes the list into the product folder, with what an earlier installation of the product
// listed and left on the machine, so that an upgrade's uninstall removes both versions.
void WriteInstallLog(package::InstallLog& log, const os::Path& productFolder) {
    const os::Path file = text::Format(u"%s\\%s", {productFolder, package::kInstallLogName});
    package::InstallLog earlier;
    if (package::InstallLog::Read(file, &earlier)) {
        log.AddEarlier(earlier, [](const std::u16string& path) {
            return os::GetPathKind(path) != os::PathKind::Missing;
        });
    }
    log.Write(file);
}

}  // namespace

int32_t CSelfExtractor::ExtractAll(const os::Path& defaultFolder, ProgressCallback callback,
                                   intptr_t userData,
                                   const std::vector<os::Path>* metatraderFolders) {
    const std::vector<os::Path> none;
    const package::FolderListPlacement placement(metatraderFolders ? *metatraderFolders : none);
    return ExtractAll(defaultFolder, callback, userData, placement);
}

// Installs every record, the last first: extracts it into its expanded destination (for
// "{metatrader}", the folder `placement` gives in every chosen terminal), makes its Start Menu
// and Startup shortcuts and lists what it wrote in "Install.log" in the product folder (each
// terminal's copy, in the order of the terminals). A record that cannot be placed or extracted
// is counted and skipped; the others are still installed.
int32_t CSelfExtractor::ExtractAll(const os::Path& defaultFolder, ProgressCallback callback,
                                   intptr_t userData,
                                   const package::MetaTraderPlacement& placement) {
    const os::Path fallbackFolder = EnsureTrailingBackslash(defaultFolder);
    const int32_t read = ReadTrailer(m_modulePath);
    if (read != SFX_OK) return read;
    m_callback = callback;
    m_userData = userData;
    os::File package;
    if (!package.OpenRead(m_modulePath)) return SFX_ERR_READ;

    const bool haveMetaTrader = placement.TerminalCount() > 0;
    package::InstallLog log;
    int32_t failures = 0;
    bool groupNoted = false;
    for (int32_t index = m_fileCount - 1; index >= 0; --index) {
        const FileRecord& record = m_records[index];
        Notify(SFX_FILE_START, &record);

        os::Path folder;
        const package::Expansion expansion =
            package::ExpandDestination(record.destination, m_strings.productDirectory,
                                       fallbackFolder, haveMetaTrader, &folder);
        if (expansion == package::Expansion::Failed) {
            ++failures;
            continue;
        }
        if (expansion == package::Expansion::MetaTrader) {
            const size_t terminals = placement.TerminalCount();
            for (size_t i = 0; i < terminals; ++i) {
                folder = EnsureTrailingBackslash(placement.Folder(i, record.destination));
                NoteMissingLevels(folder, &log);
                if (text::Contains(folder, u"sound")) os::CreateFolder(folder);
                if (ExtractFileTo(package, index, folder) != SFX_OK) {
                    ++failures;
                } else if (i + 1 < terminals) {
                    // Every terminal's copy is listed, so that uninstalling removes the product
                    // from each terminal it went into; the last one's is listed below.
                    log.Add(folder + record.name, KindOf(record));
                }
            }
        }
        // A destination typed without its final backslash still names a folder.
        folder = EnsureTrailingBackslash(folder);
        if (!record.destination.empty()) NoteMissingLevels(folder, &log);
        if (ExtractFileTo(package, index, folder) != SFX_OK) {
            ++failures;
            continue;
        }
        Notify(SFX_FILE_DONE, &record);

        const os::Path target = folder + record.name;
        // A file without a destination went into the installer's temporary folder, for the
        // wizard's pages: a scratch copy, not a file of the product.
        if (!record.destination.empty()) log.Add(target, KindOf(record));

        // The group folder exists after every installed record, shortcut or not.
        if (!groupNoted) {
            os::Path programs;
            if (os::GetKnownFolder(os::KnownFolder::CommonPrograms, &programs)) {
                NoteMissingLevels(programs + u"\\" + m_strings.startMenuGroup, &log);
            }
            groupNoted = true;
        }
        os::Path group;
        const bool haveGroup = package::KnownFolderWithSub(os::KnownFolder::CommonPrograms,
                                                           m_strings.startMenuGroup, &group);
        if (haveGroup && !record.shortcut.empty()) {
            const os::Path link = LinkPath(group, record.shortcut);
            os::CreateShortcut(target, record.parameters, record.name, link);
            log.Add(link);
        }
        os::Path startup;
        if (IsFlagSet(record.autostart) && os::GetKnownFolder(os::KnownFolder::Startup, &startup)) {
            const os::Path link =
                LinkPath(startup, record.shortcut.empty() ? record.name : record.shortcut);
            os::CreateShortcut(target, record.parameters, record.name, link);
            log.Add(link);
        }
    }
    package.Close();

    os::Path productFolder;
    if (package::ProductFolder(m_strings.productDirectory, &productFolder)) {
        WriteInstallLog(log, productFolder);
    }
    return failures > 0 ? SFX_ERR_WRITE : SFX_OK;
}
