#pragma once
// The standard text form of a security identifier ("S-1-5-21-...").

#include <cstddef>
#include <cstdint>
#include <string>

namespace registry {

// "S-<revision>-<authority>-<sub>-<sub>...". The 48-bit authority (big-endian bytes) is written
// in decimal when its two high bytes are zero, else as "0x" and twelve hexadecimal digits.
std::u16string SidText(uint8_t revision, const uint8_t (&authority)[6],
                       const uint32_t* subAuthorities, size_t subAuthorityCount);

}  // namespace registry
