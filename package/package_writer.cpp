#include "package/self_extractor.h"

namespace {

// Deflate state that is always ended, whatever path leaves the packing of a file.
class DeflateSession {
  public:
    explicit DeflateSession(z_stream& stream) : stream_(stream) {
        started_ = deflateInit(&stream_, package::kCompressionLevel) == Z_OK;
    }
    ~DeflateSession() {
        if (started_) deflateEnd(&stream_);
    }
    bool Started() const { return started_; }

  private:
    z_stream& stream_;
    bool started_;
};

}  // namespace

int32_t CSelfExtractor::PackFile(FileRecord& record, os::File& output) {
    os::File source;
    if (!source.OpenRead(record.sourcePath)) return SFX_ERR_READ;
    Notify(SFX_FILE_START, &record);

    const int64_t start = output.Position();
    const int64_t length = source.Size();
    if (start < 0 || start > INT32_MAX || length < 0 || length > INT32_MAX) return SFX_ERR_WRITE;
    record.offset = static_cast<int32_t>(start);

    m_stream.Prepare(static_cast<int32_t>(length));
    z_stream& z = m_stream.Z();
    DeflateSession session(z);
    if (!session.Started()) return SFX_ERR_WRITE;

    for (;;) {
        const int64_t available = m_stream.Fill(source);
        if (available < 0) return SFX_ERR_WRITE;
        if (available == 0) break;
        const int status = deflate(&z, Z_NO_FLUSH);
        if (m_stream.Flush(output) < 0) return SFX_ERR_WRITE;
        if (status != Z_OK) break;
        const int32_t percent = m_stream.Percentage();
        Notify(SFX_PROGRESS, &percent);
    }
    source.Close();

    int status;
    int64_t written;
    do {
        status = deflate(&z, Z_FINISH);
        written = m_stream.Flush(output);
        if (written < 0) return SFX_ERR_WRITE;
    } while (written > 0 && status == Z_OK);
    if (status != Z_STREAM_END) return SFX_ERR_WRITE;

    // The table states what was really packed, even if the file changed since AddFile.
    if (z.total_in > static_cast<uLong>(INT32_MAX) ||
        z.total_out > static_cast<uLong>(INT32_MAX - record.offset)) {
        return SFX_ERR_WRITE;
    }
    record.uncompressedSize = static_cast<int32_t>(z.total_in);
    record.compressedSize = static_cast<int32_t>(z.total_out);
    Notify(SFX_FILE_DONE, &record);
    return SFX_PACKAGE_WRITTEN;
}

int32_t CSelfExtractor::WritePackage(os::File& output, ProgressCallback callback,
                                     intptr_t userData) {
    m_callback = callback;
    m_userData = userData;
    for (int32_t i = 0; i < m_fileCount; ++i) {
        const int32_t result = PackFile(m_records[i], output);
        if (result != SFX_PACKAGE_WRITTEN) return result;
    }
    return WriteTrailer(output);
}

int32_t CSelfExtractor::CreateSetup(const void* stub, uint32_t stubSize, const os::Path& targetPath,
                                    ProgressCallback callback, intptr_t userData) {
    if (m_fileCount < 1) return SFX_ERR_NO_FILES;
    os::File target;
    if (!target.Create(targetPath)) return SFX_ERR_WRITE;

    int32_t result =
        target.Write(stub, stubSize) ? WritePackage(target, callback, userData) : SFX_ERR_WRITE;
    if (!target.Close() && result == SFX_PACKAGE_WRITTEN) result = SFX_ERR_WRITE;
    if (result == SFX_PACKAGE_WRITTEN) return SFX_OK;
    // A target without its trailer would look like a setup but fail on the user's machine.
    os::DeleteFile(targetPath);
    return result;
}
