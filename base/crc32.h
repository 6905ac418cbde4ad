#pragma once
// CRC-32 (the polynomial of zip, gzip and PNG), computed bit by bit: no tables, for programs
// where size counts more than speed.

#include <cstddef>
#include <cstdint>

namespace checksum {

// Continues `crc` (0 to start) over `size` bytes, as zlib's crc32() does.
uint32_t Crc32(uint32_t crc, const uint8_t* data, size_t size);

}  // namespace checksum
