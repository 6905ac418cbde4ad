#pragma once
// Inflating one zlib stream that is held whole in memory, such as a program a setup carries
// compressed among its resources.

#include <cstdint>
#include <vector>

#include "package/chunk_stream.h"

namespace package {

// Collects what is written, up to `limit` bytes.
class MemorySink final : public ByteSink {
  public:
    explicit MemorySink(uint32_t limit = UINT32_MAX) : limit_(limit) {}
    bool Write(const void* data, uint32_t size) override {
        if (size > limit_ - bytes.size()) return false;
        const auto* from = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), from, from + size);
        return true;
    }
    std::vector<uint8_t> bytes;

  private:
    uint32_t limit_;
};

// Inflates the zlib stream of `size` bytes at `data` into `output`. True only when the stream
// ends whole, with a matching checksum, exactly at the end of the data, and `output` took
// every byte; `output` may have taken part of the result before a failure.
bool InflateWhole(const void* data, uint32_t size, ByteSink& output);

}  // namespace package
