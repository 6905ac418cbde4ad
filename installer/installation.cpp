#include "installer/installation.h"

#include "base/text.h"

#include "installer/expert_settings.h"
#include "installer/page_texts.h"
#include "installer/terminal_folders.h"
#include "package/product_entry.h"
#include "package/path_macros.h"
#include "package/product_record.h"
#include "translations/active_texts.h"

namespace installer {

using translations::MessageId;
using translations::Text;

namespace {

struct RunContext {
    InstallSession* session;
    InstallationObserver* observer;
    os::Path productFolder;
    uint64_t installedBytes;
};

// `folder` + "\\" + `name`, built in place.
os::Path ChildPath(const os::Path& folder, std::u16string_view name) {
    os::Path path = folder;
    path += u'\\';
    path += name;
    return path;
}

// The product's Uninstall shortcut: "Uninstall.lnk" in its group, unless another product that
// shares the group has one there already; then "Uninstall <product>.lnk".
os::Path UninstallLinkPath(const os::Path& group, const std::u16string& productName,
                           const package::ProductRecord& earlier) {
    const os::Path plain = ChildPath(group, package::kUninstallerLinkName);
    std::u16string ours;
    if (os::GetPathKind(plain) == os::PathKind::Missing ||
        (earlier.Get(package::entry::kUninstallLink, &ours) && text::EqualsNoCase(ours, plain))) {
        return plain;
    }
    // The product name may hold what no file name can.
    std::u16string name = u"Uninstall " + productName;
    for (char16_t& c : name) {
        if (c < 32 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) {
            c = u'_';
        }
    }
    return ChildPath(group, name + u".lnk");
}

// The product's own record beside its uninstaller: the entry's values and its shortcut.
void WriteProductRecord(const os::Path& file, const os::Path& program,
                        const ProjectStrings& strings, const os::Path& uninstallLink) {
    package::ProductRecord record;
    for (const package::EntryValue& value : package::ProductEntryValues(program, strings)) {
        record.Set(value.name, value.data);
    }
    record.Set(package::entry::kUninstallLink, uninstallLink);
    record.Write(file);
}

int64_t FileSize(const os::Path& path) {
    os::File file;
    return file.OpenRead(path) ? file.Size() : -1;
}

// The extraction's progress handler: one step and one log line per installed record, and the
// records to start at Finish queued.
void OnExtractionEvent(int32_t event, const void* data, intptr_t userData) {
    if (event != SFX_FILE_DONE) return;
    auto* context = reinterpret_cast<RunContext*>(userData);
    const auto* record = static_cast<const FileRecord*>(data);
    // A MetaTrader file has one copy in every chosen terminal.
    const size_t copies = package::IsMetaTraderDestination(record->destination)
                              ? context->session->chosenTerminals.size()
                              : 1;
    context->installedBytes += static_cast<uint64_t>(record->uncompressedSize) * copies;
    context->observer->FileInstalled();
    context->observer->LogLine(CopyingLine(record->name));
    if (!record->shortcut.empty()) context->observer->LogLine(ShortcutLine(record->shortcut));
    if (IsFlagSet(record->postExecute)) {
        // Queued from the product folder whatever the record's destination was. The package's
        // strings are read by now: the extraction reads them before its first event.
        if (context->productFolder.empty()) {
            context->productFolder =
                ProductFolderOf(context->session->packageReader.GetProjectStrings());
        }
        context->session->postExecutePaths.push_back(
            ChildPath(context->productFolder, record->name));
        context->session->postExecuteParameters.push_back(record->parameters);
    }
}

}  // namespace

os::Path ProductFolderOf(const ProjectStrings& strings) {
    os::Path folder;
    if (package::ProductFolder(strings.productDirectory, &folder)) return folder;
    // The folder could not be made; the path it would have is still the right name for it.
    os::GetKnownFolder(os::KnownFolder::ProgramFiles, &folder);
    return ChildPath(folder, strings.productDirectory);
}

uint32_t KilobytesOf(uint64_t bytes) {
    const uint64_t kilobytes = bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
    return kilobytes > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(kilobytes);
}

int32_t RunInstallation(InstallSession& session, InstallationObserver& observer,
                        UninstallerSetup& uninstaller) {
    session.postExecutePaths.clear();
    session.postExecuteParameters.clear();
    CSelfExtractor& package = session.packageReader;

    RunContext context{&session, &observer, {}, 0};
    const TerminalPlacement placement(session.chosenTerminals);
    const int32_t result = package.ExtractAll(session.temporaryFolder, OnExtractionEvent,
                                              reinterpret_cast<intptr_t>(&context), placement);
    if (result != SFX_OK) return result;

    const ProjectStrings& strings = package.GetProjectStrings();
    const os::Path productFolder = ProductFolderOf(strings);
    const os::Path program = ChildPath(productFolder, package::kUninstallerName);
    const os::Path recordFile = ChildPath(productFolder, package::kProductRecordName);
    package::ProductRecord earlier;
    package::ProductRecord::Read(recordFile, &earlier);
    uninstaller.WriteProgram(program);
    os::Path group;
    os::Path link;
    if (package::KnownFolderWithSub(os::KnownFolder::CommonPrograms, strings.startMenuGroup,
                                    &group)) {
        link = UninstallLinkPath(group, strings.productName, earlier);
        os::CreateShortcut(program, u"", package::kUninstallerDescription, link);
    }
    WriteProductRecord(recordFile, program, strings, link);
    observer.LogLine(LogLine(MessageId::CreatingUninstallerLine, kCreatingUninstallerText));
    uninstaller.Brand(program, session.TemporaryFile(session.bannerFileName));
    const int64_t programSize = FileSize(program);
    if (programSize > 0) context.installedBytes += static_cast<uint64_t>(programSize);
    uninstaller.Register(program, strings, KilobytesOf(context.installedBytes));
    observer.LogLine(LogLine(MessageId::RegisteringUninstallerLine, kRegisteringUninstallerText));
    WriteExpertOptions(package.GetExpertOptions(), session.chosenTerminals);
    observer.LogLine(Text(MessageId::DoneLine, kDoneLine));
    return SFX_OK;
}

}  // namespace installer
