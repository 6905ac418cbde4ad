#include "translations/setup_languages.h"

#include "base/text.h"
#include "translations/language_file.h"
#include "translations/language_pack.h"

namespace translations {

namespace {

// The languages this program may carry, each main variant first; the contents come from the
// language files the build embeds.
const LanguageSource kLanguages[] = {
    {"ru", "Russian", 0x0419, {}},
    {"zh-CN", "Chinese (Simplified)", 0x0804, {0x1004}},           // also Singapore
    {"zh-TW", "Chinese (Traditional)", 0x0404, {0x0C04, 0x1404}},  // also Hong Kong, Macao
    {"ja", "Japanese", 0x0411, {}},
    {"ko", "Korean", 0x0412, {}},
    {"es", "Spanish", 0x0C0A, {0x040A}},  // modern and traditional sort
    {"pt-BR", "Portuguese (Brazil)", 0x0416, {}},
    {"de", "German", 0x0407, {}},
    {"fr", "French", 0x040C, {}},
    {"it", "Italian", 0x0410, {}},
    {"tr", "Turkish", 0x041F, {}},
    {"id", "Indonesian", 0x0421, {}},
    {"pl", "Polish", 0x0415, {}},
    {"vi", "Vietnamese", 0x042A, {}},
};

}  // namespace

// Generated from the language files: the contents of "<tag>.lang", or null when the build has
// no such file.
const char* EmbeddedLanguageFile(const char* tag, unsigned long* size);

const std::vector<LanguageSource>& LanguageSources() {
    static const std::vector<LanguageSource> sources = [] {
        std::vector<LanguageSource> list;
        for (LanguageSource language : kLanguages) {
            language.utf8 = EmbeddedLanguageFile(language.tag, &language.size);
            if (language.utf8) list.push_back(language);
        }
        return list;
    }();
    return sources;
}

bool IsLanguageTag(std::u16string_view tag) {
    if (text::EqualsNoCase(tag, u"en")) return true;
    for (const LanguageSource& source : LanguageSources()) {
        if (text::EqualsNoCase(tag, text::FromUtf8(source.tag))) return true;
    }
    return false;
}

std::u16string LanguageTags() {
    std::u16string tags = u"en";
    for (const LanguageSource& source : LanguageSources()) {
        tags += u", ";
        tags += text::FromUtf8(source.tag);
    }
    return tags;
}

bool BuildSetupLanguagePack(const std::u16string& forcedTag, std::vector<uint8_t>* pack,
                            std::u16string* error) {
    const bool forced = !forcedTag.empty();
    if (forced && !IsLanguageTag(forcedTag)) {
        *error = u"No language \"" + forcedTag + u"\"; the languages are " + LanguageTags() + u".";
        return false;
    }
    std::vector<PackLanguage> languages;
    for (const LanguageSource& source : LanguageSources()) {
        if (forced && !text::EqualsNoCase(forcedTag, text::FromUtf8(source.tag))) continue;
        PackLanguage language;
        language.languages.push_back(source.language);
        for (uint16_t also : source.serves) {
            if (also != 0) language.languages.push_back(also);
        }
        std::vector<std::string> problems;
        if (!ReadLanguageFile(std::string_view(source.utf8, source.size), &language.texts,
                              &problems)) {
            *error = text::FromUtf8(std::string(source.tag) + ".lang, " + problems.front());
            return false;
        }
        languages.push_back(std::move(language));
    }
    *pack = WritePack(languages, forced);
    return true;
}

}  // namespace translations
