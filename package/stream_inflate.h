#pragma once
// Inflating one packaged file's stream: the one loop that extraction (into a file) and
// verification (into nowhere) share, and what it found about the stream.

#include <cstdint>

#include "os/os.h"
#include "package/chunk_stream.h"
#include "package/file_record.h"
#include "package/format.h"

namespace package {

enum class StreamState {
    Sound,           // one whole zlib stream of `compressedSize` bytes, `uncompressedSize` out
    Unreadable,      // the package could not be positioned or read
    OutputFailed,    // the output took not every byte
    Corrupt,         // zlib refused the data, or its Adler-32 did not match
    Unfinished,      // the input ran out before the stream ended
    TooLong,         // it inflates to more than `uncompressedSize` bytes (stopped there)
    TooShort,        // it ended whole, but with fewer bytes than `uncompressedSize`
    LengthMismatch,  // it ended whole, but not after exactly `compressedSize` bytes
};

// True for the states in which the stream ended whole with a matching checksum. Extraction
// accepts these; only Sound passes a check of the package.
bool EndedWhole(StreamState state);

// A sink that keeps nothing: inflating into it checks a stream without writing it anywhere.
class DiscardSink final : public ByteSink {
  public:
    bool Write(const void*, uint32_t) override { return true; }
};

struct InflateOutcome {
    StreamState state = StreamState::Unreadable;
    uint64_t bytesIn = 0;               // stream bytes inflate consumed
    uint64_t bytesOut = 0;              // bytes it produced
    const char* zlibMessage = nullptr;  // zlib's own words for Corrupt, when it gave any
};

// Inflates `record`'s stream from `package` (read from the record's offset in 4096-byte
// chunks through `stream`) into `output`. With a callback, every chunk is followed by an
// SFX_PROGRESS event carrying the percentage of `compressedSize` consumed.
InflateOutcome InflateStream(ChunkStream& stream, const FileRecord& record, os::File& package,
                             ByteSink& output, ProgressCallback callback, intptr_t userData);

}  // namespace package
