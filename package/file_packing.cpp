#include "package/file_packing.h"

#include <zlib.h>

namespace package {

namespace {

// Deflate state that is always ended, whatever path leaves the packing of a file.
class DeflateSession {
  public:
    explicit DeflateSession(z_stream& stream) : stream_(stream) {
        started_ = deflateInit(&stream_, kCompressionLevel) == Z_OK;
    }
    ~DeflateSession() {
        if (started_) deflateEnd(&stream_);
    }
    DeflateSession(const DeflateSession&) = delete;
    DeflateSession& operator=(const DeflateSession&) = delete;
    bool Started() const { return started_; }

  private:
    z_stream& stream_;
    bool started_;
};

}  // namespace

int32_t DeflateFile(os::File& source, ChunkStream& stream, ByteSink& sink, ChunkDone onChunk,
                    void* context, StreamTotals* totals) {
    const int64_t length = source.Size();
    if (length < 0 || length > INT32_MAX) return SFX_ERR_WRITE;
    stream.Prepare(static_cast<int32_t>(length));
    z_stream& z = stream.Z();
    DeflateSession session(z);
    if (!session.Started()) return SFX_ERR_WRITE;

    for (;;) {
        const int64_t available = stream.Fill(source);
        if (available < 0) return SFX_ERR_WRITE;
        if (available == 0) break;
        const int status = deflate(&z, Z_NO_FLUSH);
        if (stream.Flush(sink) < 0) return SFX_ERR_WRITE;
        if (status != Z_OK) break;
        if (onChunk != nullptr && !onChunk(stream.Percentage(), context)) return SFX_ERR_WRITE;
    }
    source.Close();

    int status;
    int64_t written;
    do {
        status = deflate(&z, Z_FINISH);
        written = stream.Flush(sink);
        if (written < 0) return SFX_ERR_WRITE;
    } while (written > 0 && status == Z_OK);
    if (status != Z_STREAM_END) return SFX_ERR_WRITE;

    // The table states what was really packed, even if the file changed since it was added.
    if (z.total_in > static_cast<uLong>(INT32_MAX) || z.total_out > static_cast<uLong>(INT32_MAX)) {
        return SFX_ERR_WRITE;
    }
    totals->packedBytes = z.total_in;
    totals->streamBytes = z.total_out;
    return SFX_PACKAGE_WRITTEN;
}

bool RecordPackedStream(FileRecord& record, int64_t start, const StreamTotals& totals) {
    if (start < 0 || start > INT32_MAX || totals.packedBytes > INT32_MAX ||
        totals.streamBytes > static_cast<uint64_t>(INT32_MAX - start)) {
        return false;
    }
    record.offset = static_cast<int32_t>(start);
    record.uncompressedSize = static_cast<int32_t>(totals.packedBytes);
    record.compressedSize = static_cast<int32_t>(totals.streamBytes);
    return true;
}

}  // namespace package
