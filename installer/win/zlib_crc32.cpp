// zlib's inflate names crc32() for gzip streams, which a setup's package never holds (its
// streams are zlib streams, checked with Adler-32). This table-free CRC-32 takes the place of
// zlib's own, so the installer does not carry zlib's 8 KiB of CRC tables for a path it never
// takes; it is still a correct CRC-32 should anything call it.
#include <zlib.h>

#include "base/crc32.h"

extern "C" uLong ZEXPORT crc32(uLong crc, const Bytef* buf, uInt len) {
    if (!buf) return 0;  // zlib's way to ask for the initial value
    return checksum::Crc32(static_cast<uint32_t>(crc), buf, len);
}
