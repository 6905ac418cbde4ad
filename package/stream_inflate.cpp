#include "package/stream_inflate.h"

#include "package/inflate_session.h"

namespace package {

namespace {

StreamState EndedState(const z_stream& z, const FileRecord& record) {
    if (z.total_out < static_cast<uLong>(record.uncompressedSize)) return StreamState::TooShort;
    if (z.total_in != static_cast<uLong>(record.compressedSize)) return StreamState::LengthMismatch;
    return StreamState::Sound;
}

}  // namespace

bool EndedWhole(StreamState state) {
    return state == StreamState::Sound || state == StreamState::TooShort ||
           state == StreamState::LengthMismatch;
}

InflateOutcome InflateStream(ChunkStream& stream, const FileRecord& record, os::File& package,
                             ByteSink& output, ProgressCallback callback, intptr_t userData) {
    InflateOutcome outcome;
    if (record.offset < 0 || !package.Seek(record.offset, os::SeekOrigin::Begin)) return outcome;
    stream.Prepare(record.compressedSize);
    z_stream& z = stream.Z();
    InflateSession session(z);
    if (!session.Started()) return outcome;

    const auto finish = [&](StreamState state) {
        outcome.state = state;
        outcome.bytesIn = z.total_in;
        outcome.bytesOut = z.total_out;
        return outcome;
    };
    // More output than the table promises means a damaged or hostile stream: stop early rather
    // than fill the disk.
    const auto tooLong = [&] { return z.total_out > static_cast<uLong>(record.uncompressedSize); };

    int status = Z_OK;
    for (;;) {
        const int64_t available = stream.Fill(package);
        if (available < 0) return finish(StreamState::Unreadable);
        if (available == 0) break;
        status = inflate(&z, Z_NO_FLUSH);
        if (stream.Flush(output) < 0) return finish(StreamState::OutputFailed);
        if (tooLong()) return finish(StreamState::TooLong);
        if (status != Z_OK) break;
        if (callback != nullptr) {
            const int32_t percent = stream.Percentage();
            callback(SFX_PROGRESS, &percent, userData);
        }
    }

    int64_t written;
    do {
        status = inflate(&z, Z_FINISH);
        written = stream.Flush(output);
        if (written < 0) return finish(StreamState::OutputFailed);
        if (tooLong()) return finish(StreamState::TooLong);
    } while (written > 0 && status == Z_OK);

    if (status == Z_STREAM_END) return finish(EndedState(z, record));
    if (status == Z_OK || status == Z_BUF_ERROR) return finish(StreamState::Unfinished);
    outcome.zlibMessage = z.msg;
    return finish(StreamState::Corrupt);
}

}  // namespace package
