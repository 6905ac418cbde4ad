#pragma once
// The compression stream of the engine with its two fixed buffers. Packing and extraction feed
// it with Fill and drain it with Flush, so memory never depends on a file's size.

#include <cstdint>
#include <zlib.h>

#include "os/os.h"
#include "package/format.h"

namespace package {

// Where a compression stream's output goes: the package itself, or a buffer on its way there.
class ByteSink {
  public:
    // Takes all `size` bytes, or returns false.
    virtual bool Write(const void* data, uint32_t size) = 0;

  protected:
    ~ByteSink() = default;
};

// A sink that writes straight into an open file.
class FileSink final : public ByteSink {
  public:
    explicit FileSink(os::File& file) : file_(file) {}
    bool Write(const void* data, uint32_t size) override { return file_.Write(data, size); }

  private:
    os::File& file_;
};

class ChunkStream {
  public:
    ChunkStream();
    ChunkStream(const ChunkStream&) = delete;
    ChunkStream& operator=(const ChunkStream&) = delete;

    z_stream& Z() { return stream_; }

    // Starts a file: no pending input, the whole output buffer free, and the total that
    // percentages are taken of.
    void Prepare(int32_t progressTotal);

    // When no input is pending, reads up to one chunk from `input`. Returns the input now
    // available (0 at the end of the input), or -1 when the read failed.
    int64_t Fill(os::File& input);

    // When the output buffer holds bytes, writes them to `output` and frees the whole buffer.
    // Returns the number written (0 when there was nothing), or -1 when the write failed.
    int64_t Flush(ByteSink& output);
    int64_t Flush(os::File& output);

    // Percentage of the progress total consumed so far.
    int32_t Percentage() const;

  private:
    z_stream stream_;
    int32_t progressTotal_ = 0;
    uint8_t input_[kChunkSize];
    uint8_t output_[kChunkSize];
};

}  // namespace package
