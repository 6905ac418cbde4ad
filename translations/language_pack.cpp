#include "translations/language_pack.h"

#include <cstring>

#include "translations/message_id.h"

namespace translations {

namespace {

uint16_t Read16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Read32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

constexpr uint16_t kPrimaryMask = 0x3FF;

}  // namespace

bool FindLanguage(const uint8_t* bytes, size_t size, uint16_t userLanguage, PackEntry* found) {
    if (size < kPackFixedBytes || std::memcmp(bytes, kPackSignature, sizeof kPackSignature) != 0 ||
        Read16(bytes + 8) != kMessageCount) {
        return false;
    }
    const bool forced = (Read16(bytes + 10) & 1) != 0;
    const size_t count = Read16(bytes + 12);
    const size_t headerBytes = kPackFixedBytes + count * kPackEntryBytes;
    if (count > kMaxPackLanguages || size < headerBytes) return false;
    // Two passes: the same LANGID, then the same primary language; a forced pack's first entry
    // matches in the first.
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* at = bytes + kPackFixedBytes + i * kPackEntryBytes;
            const uint16_t language = Read16(at);
            const bool matches = pass == 0
                                     ? forced || language == userLanguage
                                     : (language & kPrimaryMask) == (userLanguage & kPrimaryMask);
            if (!matches) continue;
            found->language = language;
            found->offset = Read32(at + 4);
            found->size = Read32(at + 8);
            return found->size != 0 && found->size <= kMaxLanguageBytes &&
                   found->offset >= headerBytes;
        }
    }
    return false;
}

}  // namespace translations
