#include "builder/ui/file_properties_form.h"

namespace widgets {

namespace {

const char16_t kYes[] = u"Yes";

std::u16string FlagText(bool set) {
    return set ? kYes : u"";
}

}  // namespace

const char16_t* const kDestinationChoices[kDestinationChoiceCount] = {
    u"{app}",
    u"{desktop}",
    u"{mydocuments}",
    u"{windir}",
    u"{winsysdir}",
    u"{bootdir}",
    u"{metatrader}\\experts",
    u"{metatrader}\\experts\\files",
    u"{metatrader}\\experts\\include",
    u"{metatrader}\\experts\\indicators",
    u"{metatrader}\\experts\\libraries",
    u"{metatrader}\\experts\\logs",
    u"{metatrader}\\experts\\presets",
    u"{metatrader}\\experts\\samples",
    u"{metatrader}\\experts\\scripts",
    u"{metatrader}\\experts\\templates",
};

FilePropertiesForm FilePropertiesForm::FromEntry(const project::FileEntry& entry) {
    FilePropertiesForm form;
    form.fileName = entry.fileName;
    form.destination = entry.destination;
    form.shortcut = entry.shortcut;
    form.parameters = entry.parameters;
    form.onlyIfNewer = project::IsFlagSet(entry.onlyIfNewer);
    form.neverUninstall = project::IsFlagSet(entry.neverUninstall);
    form.autostart = project::IsFlagSet(entry.autostart);
    form.postExecute = project::IsFlagSet(entry.postExecute);
    return form;
}

project::FileEntry FilePropertiesForm::ToEntry(const project::FileEntry& original) const {
    project::FileEntry entry;
    entry.fileName = original.fileName;
    entry.destination = destination;
    entry.shortcut = shortcut;
    entry.parameters = parameters;
    entry.onlyIfNewer = FlagText(onlyIfNewer);
    entry.neverUninstall = FlagText(neverUninstall);
    entry.autostart = FlagText(autostart);
    entry.postExecute = FlagText(postExecute);
    return entry;
}

void FilePropertiesForm::AutostartChanged() {
    ApplyDestinationRule();
}

void FilePropertiesForm::PostExecuteChanged() {
    if (postExecute) shortcut.clear();
    ApplyDestinationRule();
}

void FilePropertiesForm::ApplyDestinationRule() {
    if (postExecute || autostart) {
        destination = kDestinationChoices[0];
        destinationEnabled = false;
    } else {
        destinationEnabled = true;
    }
}

}  // namespace widgets
