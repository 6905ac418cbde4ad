#pragma once
// The translations every setup carries: the language files built into this program, by tag
// ("ru", "zh-CN", ...), and the language pack a build places in front of the package.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace translations {

struct LanguageSource {
    const char* tag;             // the file's name without ".lang"
    const char* name;            // in English, for lists
    uint16_t language;           // its Windows LANGID
    uint16_t serves[2];          // further LANGIDs it is the best choice for, 0 for none
    const char* utf8 = nullptr;  // the file's contents
    unsigned long size = 0;
};

// The built-in languages, each main variant before the other variants of its language.
const std::vector<LanguageSource>& LanguageSources();

// True for "en" and the tag of every built-in language, in any letter case.
bool IsLanguageTag(std::u16string_view tag);

// "en" and the tags of LanguageSources(), comma-separated, for messages.
std::u16string LanguageTags();

// The pack of every built-in language, or with `forcedTag` (any case) just that one, used
// whatever the user's language ("en": English). False with `error` set for an unknown tag or a
// language file that does not read.
bool BuildSetupLanguagePack(const std::u16string& forcedTag, std::vector<uint8_t>* pack,
                            std::u16string* error);

}  // namespace translations
