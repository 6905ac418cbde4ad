#include "registry/sid_text.h"

#include "base/text.h"

namespace registry {

std::u16string SidText(uint8_t revision, const uint8_t (&authority)[6],
                       const uint32_t* subAuthorities, size_t subAuthorityCount) {
    std::u16string sid = u"S-";
    sid += text::FromInt(revision);
    sid += u'-';
    if (authority[0] != 0 || authority[1] != 0) {
        sid += u"0x";
        for (uint8_t byte : authority) {
            for (const uint8_t digit : {byte >> 4, byte & 0xF}) {
                sid.push_back(static_cast<char16_t>(digit < 10 ? u'0' + digit : u'a' + digit - 10));
            }
        }
    } else {
        const uint32_t value = (static_cast<uint32_t>(authority[2]) << 24) |
                               (static_cast<uint32_t>(authority[3]) << 16) |
                               (static_cast<uint32_t>(authority[4]) << 8) | authority[5];
        sid += text::FromInt(value);
    }
    for (size_t i = 0; i < subAuthorityCount; ++i) {
        sid += u'-';
        sid += text::FromInt(subAuthorities[i]);
    }
    return sid;
}

}  // namespace registry
