#include <cstring>

#include <zlib.h>

#include "translations/language_pack.h"
#include "translations/message_id.h"

namespace translations {

namespace {

void Put16(std::vector<uint8_t>* out, size_t at, uint16_t value) {
    (*out)[at] = static_cast<uint8_t>(value);
    (*out)[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>* out, size_t at, uint32_t value) {
    Put16(out, at, static_cast<uint16_t>(value));
    Put16(out, at + 2, static_cast<uint16_t>(value >> 16));
}

}  // namespace

std::vector<uint8_t> WritePack(const std::vector<PackLanguage>& languages, bool forced) {
    size_t entryCount = 0;
    for (const PackLanguage& language : languages) entryCount += language.languages.size();
    std::vector<uint8_t> pack(kPackFixedBytes + entryCount * kPackEntryBytes);
    std::memcpy(pack.data(), kPackSignature, sizeof kPackSignature);
    Put16(&pack, 8, kMessageCount);
    Put16(&pack, 10, forced ? 1 : 0);
    Put16(&pack, 12, static_cast<uint16_t>(entryCount));

    size_t entry = 0;
    for (const PackLanguage& language : languages) {
        std::vector<uint8_t> units;
        for (const std::u16string& text : language.texts) {
            for (char16_t unit : text) {
                units.push_back(static_cast<uint8_t>(unit));
                units.push_back(static_cast<uint8_t>(unit >> 8));
            }
            units.push_back(0);
            units.push_back(0);
        }
        uLongf compressedSize = compressBound(static_cast<uLong>(units.size()));
        std::vector<uint8_t> compressed(compressedSize);
        compress2(compressed.data(), &compressedSize, units.data(),
                  static_cast<uLong>(units.size()), Z_BEST_COMPRESSION);
        const uint32_t offset = static_cast<uint32_t>(pack.size());
        pack.insert(pack.end(), compressed.begin(), compressed.begin() + compressedSize);
        for (uint16_t id : language.languages) {
            const size_t at = kPackFixedBytes + entry++ * kPackEntryBytes;
            Put16(&pack, at, id);
            Put32(&pack, at + 4, offset);
            Put32(&pack, at + 8, static_cast<uint32_t>(compressedSize));
        }
    }
    return pack;
}

}  // namespace translations
