#pragma once
// The texts a program shows: English as given at each use, or the translation it was handed at
// start. One set per process, as the user's language is.

#include <cstddef>

#include "translations/message_id.h"

namespace translations {

// Uses the `count` units at `block`, which stay where they are for the rest of the process: the
// texts of every identifier in order, each ended by a zero unit. False (and English stays) when
// they are not exactly kMessageCount non-empty texts.
bool UseTexts(const char16_t* block, size_t count);
void UseEnglish();
bool UsesTranslation();
// The units handed to UseTexts (none for English): what the setup gives its uninstaller.
const char16_t* TextBlock(size_t* count);

// Where a setup leaves its texts in the uninstaller it writes: TextBlock() as a resource.
inline constexpr unsigned kUninstallerTextsType = 236;
inline constexpr unsigned kUninstallerTextsId = 1;

// The translation of `id`, or `english`.
const char16_t* Text(MessageId id, const char16_t* english);

}  // namespace translations
