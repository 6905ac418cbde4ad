#include "base/crc32.h"

namespace checksum {

uint32_t Crc32(uint32_t crc, const uint8_t* data, size_t size) {
    uint32_t c = ~crc;
    for (size_t i = 0; i < size; ++i) {
        c ^= data[i];
        for (int bit = 0; bit < 8; ++bit) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

}  // namespace checksum
