#pragma once
// Inflating one zlib stream that is held whole in memory, such as a program a setup carries
// compressed among its resources.

#include <cstdint>

#include "package/chunk_stream.h"

namespace package {

// Inflates the zlib stream of `size` bytes at `data` into `output`. True only when the stream
// ends whole, with a matching checksum, exactly at the end of the data, and `output` took
// every byte; `output` may have taken part of the result before a failure.
bool InflateWhole(const void* data, uint32_t size, ByteSink& output);

}  // namespace package
