#include "package/self_extractor.h"

#include "package/stream_inflate.h"

namespace {

// Creates a missing folder level by level, from the left; levels that exist (and the drive)
// fail harmlessly.
void CreateMissingFolder(const os::Path& folder) {
    if (os::GetPathKind(folder) != os::PathKind::Missing) return;
    for (size_t i = folder.find(u'\\'); i != os::Path::npos; i = folder.find(u'\\', i + 1)) {
        if (i > 0) os::CreateFolder(folder.substr(0, i));
    }
}

}  // namespace

bool CSelfExtractor::InflateInto(const FileRecord& record, os::File& package, os::File& output) {
    package::FileSink sink(output);
    // Only a stream that reached its end, with a matching Adler-32, is a whole file.
    return package::EndedWhole(
        package::InflateStream(m_stream, record, package, sink, m_callback, m_userData).state);
}

package::StreamState CSelfExtractor::VerifyFile(os::File& package, int32_t index,
                                                ProgressCallback callback, intptr_t userData) {
    const FileRecord* record = GetFileRecord(index);
    if (record == nullptr) return package::StreamState::Unreadable;
    package::DiscardSink nowhere;
    return package::InflateStream(m_stream, *record, package, nowhere, callback, userData).state;
}

int32_t CSelfExtractor::ExtractFileTo(os::File& package, int32_t index, const os::Path& folder) {
    const FileRecord* record = GetFileRecord(index);
    // A name with a separator or a drive could place the file outside `folder`.
    if (record == nullptr || !IsPlainFileName(record->name)) return SFX_ERR_WRITE;

    CreateMissingFolder(folder);
    const os::Path path = folder + record->name;
    os::File output;
    if (!output.Create(path)) return SFX_ERR_WRITE;

    bool whole = InflateInto(*record, package, output);
    if (!output.Close()) whole = false;
    if (whole) return SFX_OK;
    os::DeleteFile(path);
    return SFX_ERR_WRITE;
}

int32_t CSelfExtractor::ExtractByIndex(int32_t index, const os::Path& folder) {
    const os::Path target = EnsureTrailingBackslash(folder);
    const int32_t read = ReadTrailer(m_modulePath);
    if (read != SFX_OK) return read;
    m_callback = nullptr;
    m_userData = 0;
    os::File package;
    if (!package.OpenRead(m_modulePath)) return SFX_ERR_READ;
    return ExtractFileTo(package, index, target);
}
