#include "builder/project/project_model.h"

namespace project {

namespace {

using EntryText = std::u16string FileEntry::*;
constexpr EntryText kColumns[kFileEntryColumnCount] = {
    &FileEntry::fileName,   &FileEntry::destination, &FileEntry::shortcut,
    &FileEntry::parameters, &FileEntry::onlyIfNewer, &FileEntry::neverUninstall,
    &FileEntry::autostart,  &FileEntry::postExecute,
};

}  // namespace

const ExpertOptionInfo kExpertOptionInfo[kExpertOptionCount] = {
    {"enableExperts", u"Enable Expert Advisors"},
    {"disableOnAccountChange", u"Disable expert when the account has been changed"},
    {"disableOnProfileChange", u"Disable expert when the profile has been changed"},
    {"allowLiveTrading", u"Allow live trading"},
    {"askManualConfirmation", u"Ask manual confirmation"},
    {"allowDllImports", u"Allow DLL imports"},
    {"confirmDllCalls", u"Confirm DLL function call"},
    {"allowExternalImports", u"Allow external exports imports"},
};

std::u16string& EntryColumn(FileEntry& entry, int column) {
    return entry.*kColumns[column];
}

const std::u16string& EntryColumn(const FileEntry& entry, int column) {
    return entry.*kColumns[column];
}

FileEntry NewFileEntry(std::u16string_view path) {
    FileEntry entry;
    entry.fileName = std::u16string(path);
    entry.destination = u"{app}";
    entry.onlyIfNewer = u"0";
    entry.neverUninstall = u"0";
    entry.autostart = u"0";
    entry.postExecute = u"0";
    return entry;
}

bool IsFlagSet(std::u16string_view flag) {
    return flag == u"Yes";
}

void ResetProject(ProjectModel* model) {
    ProjectModel& m = *model;
    m.productName = u"New Project";
    m.productDirectory = u"Tessark Project";
    m.startMenuGroup = u"Tessark Project";
    m.version = {u"1", u"0", u"0", u"0"};
    m.publisher.clear();
    m.publisherAddress.clear();
    m.productUrl.clear();
    m.contactName.clear();
    m.contactEmail.clear();
    for (auto& list : m.paths) list.clear();
    m.otherFiles.clear();
    const OptionState on = OptionState::On;
    const OptionState off = OptionState::Off;
    m.expertOptions = {on, on, on, on, off, on, off, on};
    m.licenseRtf.clear();
    m.readmeRtf.clear();
    m.whatsNewRtf.clear();
    m.iconPath.clear();
    m.bannerPath.clear();
    m.targetFile.clear();
    m.language.clear();
}

bool operator==(const FileEntry& a, const FileEntry& b) {
    for (int k = 0; k < kFileEntryColumnCount; ++k) {
        if (EntryColumn(a, k) != EntryColumn(b, k)) return false;
    }
    return true;
}

bool operator==(const ProjectModel& a, const ProjectModel& b) {
    return a.productName == b.productName && a.productDirectory == b.productDirectory &&
           a.startMenuGroup == b.startMenuGroup && a.version == b.version &&
           a.publisher == b.publisher && a.publisherAddress == b.publisherAddress &&
           a.productUrl == b.productUrl && a.contactName == b.contactName &&
           a.contactEmail == b.contactEmail && a.paths == b.paths && a.otherFiles == b.otherFiles &&
           a.expertOptions == b.expertOptions && a.licenseRtf == b.licenseRtf &&
           a.readmeRtf == b.readmeRtf && a.whatsNewRtf == b.whatsNewRtf &&
           a.iconPath == b.iconPath && a.bannerPath == b.bannerPath &&
           a.targetFile == b.targetFile && a.language == b.language;
}

}  // namespace project
