#include "package/self_extractor.h"

namespace {

// Inflate state that is always ended, whatever path leaves the extraction of a file.
class InflateSession {
  public:
    explicit InflateSession(z_stream& stream) : stream_(stream) {
        started_ = inflateInit(&stream_) == Z_OK;
    }
    ~InflateSession() {
        if (started_) inflateEnd(&stream_);
    }
    bool Started() const { return started_; }

  private:
    z_stream& stream_;
    bool started_;
};

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
    if (!package.Seek(record.offset, os::SeekOrigin::Begin)) return false;
    m_stream.Prepare(record.compressedSize);
    z_stream& z = m_stream.Z();
    InflateSession session(z);
    if (!session.Started()) return false;

    // More output than the table promises means a damaged or hostile stream: stop early rather
    // than fill the disk.
    const auto tooLong = [&] { return z.total_out > static_cast<uLong>(record.uncompressedSize); };

    int status = Z_OK;
    for (;;) {
        const int64_t available = m_stream.Fill(package);
        if (available < 0) return false;
        if (available == 0) break;
        status = inflate(&z, Z_NO_FLUSH);
        if (m_stream.Flush(output) < 0 || tooLong()) return false;
        if (status != Z_OK) break;
        const int32_t percent = m_stream.Percentage();
        Notify(SFX_PROGRESS, &percent);
    }

    int64_t written;
    do {
        status = inflate(&z, Z_FINISH);
        written = m_stream.Flush(output);
        if (written < 0 || tooLong()) return false;
    } while (written > 0 && status == Z_OK);
    // Only a stream that reached its end, with a matching Adler-32, is a whole file.
    return status == Z_STREAM_END;
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
