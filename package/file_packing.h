#pragma once
// Packing one file: its source deflated into one complete zlib stream, and the table entry that
// says where the stream landed. The sequential and the parallel package writers share both, so
// that they write the same bytes and the same records.

#include <cstdint>

#include "os/os.h"
#include "package/chunk_stream.h"
#include "package/file_record.h"

namespace package {

// What one stream holds: the source bytes it packs and its own length.
struct StreamTotals {
    uint64_t packedBytes = 0;
    uint64_t streamBytes = 0;
};

// Called after every chunk of input with the file's percentage; returning false stops the
// packing (with SFX_ERR_WRITE).
using ChunkDone = bool (*)(int32_t percent, void* context);

// Deflates the whole of `source` through `stream` (level 6, library defaults, 4096-byte chunks)
// into `sink`, then closes the source. The percentage is taken of the source's length when it
// starts. SFX_PACKAGE_WRITTEN with `*totals` set, or SFX_ERR_WRITE when a read, a write or zlib
// failed, or the stream would not fit the format's 32-bit sizes.
int32_t DeflateFile(os::File& source, ChunkStream& stream, ByteSink& sink, ChunkDone onChunk,
                    void* context, StreamTotals* totals);

// Sets the record's offset and sizes for a stream written at `start` of the setup file. False,
// leaving the record unchanged, when the format cannot state them (beyond 2^31 - 1).
bool RecordPackedStream(FileRecord& record, int64_t start, const StreamTotals& totals);

}  // namespace package
