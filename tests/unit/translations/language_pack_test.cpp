// The language pack a build places in front of the package: the choice of language a setup
// makes from it, its checks, and the texts the pages then show.
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "installer/page_texts.h"
#include "translations/active_texts.h"
#include "translations/language_pack.h"
#include "translations/message_table.h"
#include "uninstaller/removal.h"

namespace {

using namespace translations;

// Texts that say which language they are: "<tag> <identifier> %s..." with English's
// placeholders.
std::vector<std::u16string> TaggedTexts(const std::string& tag) {
    std::vector<std::u16string> texts;
    for (const MessageInfo& message : kMessages) {
        std::u16string text = text::FromUtf8(tag + " " + message.name);
        const std::u16string_view english = message.english;
        for (size_t i = 0; i + 1 < english.size(); ++i) {
            if (english[i] == u'%') text += u" " + std::u16string(english.substr(i, 2));
        }
        if (english.find(u'&') != std::u16string_view::npos) text += u" &";
        texts.push_back(text);
    }
    return texts;
}

std::vector<uint8_t> SamplePack(bool forced = false) {
    return WritePack({{{0x0419}, TaggedTexts("ru")},
                      {{0x0804, 0x1004}, TaggedTexts("zh-CN")},
                      {{0x0404, 0x0C04, 0x1404}, TaggedTexts("zh-TW")},
                      {{0x0C0A, 0x040A}, TaggedTexts("es")}},
                     forced);
}

// The language FindLanguage picks for `user`, by its first text's tag; "en" for none.
std::string Chosen(const std::vector<uint8_t>& pack, uint16_t user) {
    PackEntry entry;
    if (!FindLanguage(pack.data(), pack.size(), user, &entry)) return "en";
    EXPECT_LE(size_t{entry.offset} + entry.size, pack.size());
    std::vector<uint8_t> units(kMaxLanguageBytes);
    uLongf size = units.size();
    EXPECT_EQ(uncompress(units.data(), &size, pack.data() + entry.offset, entry.size), Z_OK);
    const std::u16string first(reinterpret_cast<const char16_t*>(units.data()));
    return text::ToUtf8(first.substr(0, first.find(u' ')));
}

TEST(LanguagePackTest, TheSameLanguageThenItsMainVariantThenEnglish) {
    const std::vector<uint8_t> pack = SamplePack();
    EXPECT_EQ(Chosen(pack, 0x0419), "ru");     // Russian
    EXPECT_EQ(Chosen(pack, 0x0819), "ru");     // Russian (Moldova): its parent
    EXPECT_EQ(Chosen(pack, 0x0804), "zh-CN");  // Chinese (PRC)
    EXPECT_EQ(Chosen(pack, 0x1004), "zh-CN");  // Chinese (Singapore)
    EXPECT_EQ(Chosen(pack, 0x0404), "zh-TW");  // Chinese (Taiwan)
    EXPECT_EQ(Chosen(pack, 0x0C04), "zh-TW");  // Chinese (Hong Kong): traditional script
    EXPECT_EQ(Chosen(pack, 0x1404), "zh-TW");  // Chinese (Macao)
    EXPECT_EQ(Chosen(pack, 0x080A), "es");     // Spanish (Mexico)
    EXPECT_EQ(Chosen(pack, 0x0409), "en");     // English (United States)
    EXPECT_EQ(Chosen(pack, 0x0407), "en");     // German: not in this pack

    // A forced pack shows its one language to everyone; a forced empty one, English.
    const std::vector<uint8_t> forced = WritePack({{{0x0411}, TaggedTexts("ja")}}, true);
    EXPECT_EQ(Chosen(forced, 0x0409), "ja");
    EXPECT_EQ(Chosen(forced, 0x0419), "ja");
    EXPECT_EQ(Chosen(WritePack({}, true), 0x0419), "en");
}

TEST(LanguagePackTest, ADamagedOrForeignPackMeansEnglish) {
    const std::vector<uint8_t> pack = SamplePack();
    ASSERT_EQ(Chosen(pack, 0x0419), "ru");
    const auto damaged = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> copy = pack;
        copy[at] = value;
        return Chosen(copy, 0x0419);
    };
    EXPECT_EQ(damaged(0, 'X'), "en");                      // no signature
    EXPECT_EQ(damaged(8, kMessageCount + 1), "en");        // made for other texts
    EXPECT_EQ(damaged(12, kMaxPackLanguages + 1), "en");   // more languages than a pack holds
    EXPECT_EQ(damaged(kPackFixedBytes + 4, 0), "en");      // a stream inside the header
    EXPECT_EQ(damaged(kPackFixedBytes + 10, 0x10), "en");  // a stream beyond any language's size
    // Cut anywhere in the header.
    PackEntry entry;
    for (size_t size = 0; size < kPackFixedBytes + 8 * kPackEntryBytes; ++size) {
        EXPECT_FALSE(FindLanguage(pack.data(), size, 0x0419, &entry)) << size;
    }
    EXPECT_FALSE(FindLanguage(pack.data(), pack.size(), 0x0409, &entry));
}

TEST(LanguagePackTest, PagesShowTheTextsInUseAndEnglishAfterwards) {
    std::u16string block;
    for (const std::u16string& text : TaggedTexts("ru")) block += text + u'\0';
    ASSERT_TRUE(UseTexts(block.data(), block.size()));
    EXPECT_TRUE(UsesTranslation());
    EXPECT_EQ(installer::WelcomeText(u"Grid", u"1.0"), u"ru WelcomeText Grid 1.0");
    EXPECT_EQ(installer::CopyingLine(u"a.ex4"), u"ru CopyingLine a.ex4\r\n");
    EXPECT_EQ(installer::SummaryText(u"Grid", u"1", {}, u"C:\\PF", u"G"),
              u"ru SummaryProduct\r\n\tGrid v1\r\n\r\nru SummaryTargets\r\n"
              u"\r\nru SummaryProgramFolder\r\n\tC:\\PF\\G\r\n");
    EXPECT_EQ(installer::InstallFailureMessage(1005), u"ru WriteFailedMessage");
    EXPECT_EQ(uninstaller::DeleteFileLine(u"C:\\a"), u"ru DeleteFileLine C:\\a");
    size_t units = 0;
    EXPECT_EQ(TextBlock(&units), block.data());
    EXPECT_EQ(units, block.size());

    // A block that is not one text per identifier changes nothing.
    UseEnglish();
    for (const std::u16string& broken :
         {block.substr(0, block.size() - 1), block + u"extra" + u'\0',
          std::u16string(1, u'\0') + block.substr(block.find(u'\0') + 1) + u"x" + u'\0',
          std::u16string()}) {
        EXPECT_FALSE(UseTexts(broken.data(), broken.size()));
        EXPECT_FALSE(UsesTranslation());
    }
    EXPECT_EQ(installer::WelcomeText(u"Grid", u"1.0"),
              u"You are about to install Grid Version: 1.0");
    EXPECT_EQ(installer::CopyingLine(u"a.ex4"), u"Copying a.ex4...\r\n");
}

}  // namespace
