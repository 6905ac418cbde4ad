#include "translations/active_texts.h"

namespace translations {

namespace {

// Plain data, so that the small programs need no start-up or clean-up code for it.
const char16_t* g_texts[kMessageCount];
const char16_t* g_block;
size_t g_blockUnits;

}  // namespace

bool UseTexts(const char16_t* block, size_t count) {
    const char16_t* texts[kMessageCount];
    int found = 0;
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        if (block[i] != u'\0') continue;
        if (i == start || found == kMessageCount) return false;
        texts[found++] = block + start;
        start = i + 1;
    }
    if (found != kMessageCount || start != count) return false;
    for (int i = 0; i < kMessageCount; ++i) g_texts[i] = texts[i];
    g_block = block;
    g_blockUnits = count;
    return true;
}

void UseEnglish() {
    for (const char16_t*& text : g_texts) text = nullptr;
    g_block = nullptr;
    g_blockUnits = 0;
}

bool UsesTranslation() {
    return g_block != nullptr;
}

const char16_t* TextBlock(size_t* count) {
    *count = g_blockUnits;
    return g_block;
}

const char16_t* Text(MessageId id, const char16_t* english) {
    const char16_t* text = g_texts[static_cast<int>(id)];
    return text ? text : english;
}

}  // namespace translations
