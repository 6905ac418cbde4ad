// The language pack after a setup's installer program, as the setup reads it before its first
// page, and the texts it then uses.
//
// What must hold: a language is found only with its stream after the header and no bigger than
// a language can be, from the header bytes alone; texts are used only as one non-empty text per
// message, each inside the block.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_machine.h"
#include "translations/active_texts.h"
#include "translations/language_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace translations;
    // The first two bytes are the user's LANGID; the rest is the pack.
    if (size < 2) return 0;
    const uint16_t user = static_cast<uint16_t>(data[0] | data[1] << 8);
    const uint8_t* pack = data + 2;
    const size_t packSize = size - 2;

    PackEntry found;
    if (FindLanguage(pack, packSize, user, &found)) {
        const size_t count = pack[12] | pack[13] << 8;
        const size_t header = kPackFixedBytes + count * kPackEntryBytes;
        FUZZ_CHECK(header <= packSize && found.offset >= header);
        FUZZ_CHECK(found.size > 0 && found.size <= kMaxLanguageBytes);
        // The header is all it reads.
        PackEntry again;
        FUZZ_CHECK(FindLanguage(pack, header, user, &again) && again.offset == found.offset &&
                   again.size == found.size && again.language == found.language);
    }

    // The same bytes as a block of texts.
    std::u16string block(packSize / 2, u'\0');
    std::memcpy(block.data(), pack, block.size() * 2);
    UseEnglish();
    if (UseTexts(block.data(), block.size())) {
        for (int i = 0; i < kMessageCount; ++i) {
            const char16_t* text = Text(static_cast<MessageId>(i), nullptr);
            FUZZ_CHECK(text >= block.data() && text < block.data() + block.size() && *text != 0);
        }
        FUZZ_CHECK(block.back() == u'\0');
    }
    UseEnglish();
    return 0;
}
