#include "package/chunk_stream.h"

#include <cstring>

#include "package/percentage.h"

namespace package {

ChunkStream::ChunkStream() {
    // Zeroed allocator fields select zlib's own allocator.
    std::memset(&stream_, 0, sizeof(stream_));
}

void ChunkStream::Prepare(int32_t progressTotal) {
    std::memset(&stream_, 0, sizeof(stream_));
    stream_.next_in = input_;
    stream_.avail_in = 0;
    stream_.next_out = output_;
    stream_.avail_out = kChunkSize;
    progressTotal_ = progressTotal;
}

int64_t ChunkStream::Fill(os::File& input) {
    if (stream_.avail_in == 0) {
        uint32_t done = 0;
        if (!input.Read(input_, kChunkSize, &done)) return -1;
        stream_.next_in = input_;
        stream_.avail_in = done;
    }
    return stream_.avail_in;
}

int64_t ChunkStream::Flush(os::File& output) {
    FileSink sink(output);
    return Flush(sink);
}

int64_t ChunkStream::Flush(ByteSink& output) {
    if (stream_.avail_out >= kChunkSize) return 0;
    const uint32_t pending = kChunkSize - stream_.avail_out;
    if (!output.Write(output_, pending)) return -1;
    stream_.next_out = output_;
    stream_.avail_out = kChunkSize;
    return pending;
}

int32_t ChunkStream::Percentage() const {
    return package::Percentage(static_cast<int64_t>(stream_.total_in), progressTotal_);
}

}  // namespace package
