#include "installer/install_session.h"

namespace installer {

os::Path InstallSession::TemporaryFile(const std::u16string& name) const {
    if (name.empty()) return {};
    return temporaryFolder + name;
}

void OpenPackage(InstallSession* session) {
    os::Path temporary;
    if (!os::GetKnownFolder(os::KnownFolder::Temp, &temporary)) temporary.clear();
    session->temporaryFolder = CSelfExtractor::EnsureTrailingBackslash(temporary);

    std::u16string* const names[] = {
        &session->iconFileName,   &session->bannerFileName,   &session->licenseFileName,
        &session->readmeFileName, &session->whatsNewFileName,
    };
    for (int32_t index = kWhatsNewEntry; index >= kIconEntry; --index) {
        CSelfExtractor& reader = session->packageReader;
        // A failed extraction leaves no file; a name without its file only makes the page fall
        // back to its built-in picture or skip itself.
        reader.ExtractByIndex(index, session->temporaryFolder);
        const FileRecord* record = reader.GetFileRecord(index);
        *names[index] = record ? record->name : std::u16string();
    }
}

}  // namespace installer
