#include "cli/setup_file.h"

#include <cstring>

#include "base/le.h"
#include "base/text.h"
#include "package/signed_end.h"

namespace cli {

namespace {

// True when the package part of the file (all of it, or what comes before a certificate
// table) ends with the package signature, whatever comes before it.
bool EndsWithSignature(const os::Path& path) {
    os::File file;
    if (!file.OpenRead(path)) return false;
    const int64_t end = package::PackageEnd(file);
    if (end < package::kSignatureBytes ||
        !file.Seek(end - package::kSignatureBytes, os::SeekOrigin::Begin)) {
        return false;
    }
    uint8_t bytes[package::kSignatureBytes];
    uint32_t done = 0;
    if (!file.Read(bytes, sizeof(bytes), &done) || done != sizeof(bytes)) return false;
    for (int i = 0; i < package::kSignatureUnits; ++i) {
        if (le::GetU16(bytes + 2 * i) != package::kSignature[i]) return false;
    }
    return true;
}

}  // namespace

std::u16string ReadSetup(const os::Path& path, CSelfExtractor* extractor) {
    if (os::GetPathKind(path) == os::PathKind::Folder) {
        return text::Format(u"%s is a folder", {path});
    }
    switch (extractor->ReadTrailer(path)) {
        case SFX_OK:
            return {};
        case SFX_ERR_OPEN:
            return text::Format(u"cannot open %s: %s", {path, os::LastErrorMessage()});
        case SFX_ERR_NO_FILES:
            return text::Format(u"the package of %s holds no files", {path});
        default:
            break;
    }
    if (EndsWithSignature(path)) {
        return text::Format(u"the package of %s is damaged: its trailer does not hold together",
                            {path});
    }
    return text::Format(u"%s is not a setup executable (no package at its end)", {path});
}

}  // namespace cli
