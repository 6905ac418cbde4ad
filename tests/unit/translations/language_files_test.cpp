// The language files built into tessark: every one complete and true to English's placeholders,
// and the checks that keep them so.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "installer/package_check.h"
#include "installer/page_texts.h"
#include "installer/setup_command_line.h"
#include "translations/language_file.h"
#include "translations/message_table.h"
#include "translations/setup_languages.h"
#include "uninstaller/page_texts.h"
#include "uninstaller/removal.h"
#include "uninstaller/uninstall_command_line.h"

namespace {

using namespace translations;

std::string Join(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
}

// A language file giving every message the text `Make(english)`.
template <class Make>
std::string LanguageFile(Make make) {
    std::string file = "# a test language\n";
    for (const MessageInfo& message : kMessages) {
        file += std::string(message.name) + " = " + make(text::ToUtf8(message.english)) + "\n";
    }
    return file;
}

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\\') {
            escaped += "\\\\";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

TEST(LanguageFilesTest, EveryBuiltInLanguageIsCompleteAndKeepsEnglishPlaceholders) {
    const std::vector<LanguageSource>& sources = LanguageSources();
    EXPECT_GE(sources.size(), 12u);
    std::set<uint16_t> languages;
    for (const LanguageSource& source : sources) {
        SCOPED_TRACE(source.tag);
        EXPECT_TRUE(languages.insert(source.language).second) << "a LANGID given twice";
        std::vector<std::u16string> texts;
        std::vector<std::string> problems;
        EXPECT_TRUE(ReadLanguageFile(std::string_view(source.utf8, source.size), &texts, &problems))
            << Join(problems);
        ASSERT_EQ(texts.size(), static_cast<size_t>(kMessageCount));
        // A translation, not English left in place (a short text may be the same word).
        int sameAsEnglish = 0;
        for (int i = 0; i < kMessageCount; ++i) {
            sameAsEnglish += texts[i] == kMessages[i].english && texts[i].size() > 12;
        }
        EXPECT_LE(sameAsEnglish, 1);
    }
    std::vector<uint8_t> pack;
    std::u16string error;
    EXPECT_TRUE(BuildSetupLanguagePack(u"", &pack, &error)) << text::ToUtf8(error);
}

TEST(LanguageFilesTest, TheCheckNamesEveryFaultByLine) {
    std::vector<std::u16string> texts;
    std::vector<std::string> problems;
    const std::string good =
        LanguageFile([](const std::string& english) { return Escaped(english); });
    ASSERT_TRUE(ReadLanguageFile(good, &texts, &problems)) << Join(problems);
    EXPECT_EQ(texts[static_cast<int>(MessageId::SetupSwitchesText)],
              kMessages[static_cast<int>(MessageId::SetupSwitchesText)].english);

    // Each fault on its own line of an otherwise good file, whose first line is a comment.
    const auto line = [](MessageId id, int after = 0) {
        return "line " + std::to_string(static_cast<int>(id) + 2 + after) + ": ";
    };
    struct Case {
        std::string from, to, problems;
    };
    const Case cases[] = {
        {"WelcomeText = You are about to install %s Version: %s", "WelcomeText = Version %d of %s",
         line(MessageId::WelcomeText) +
             "WelcomeText has the placeholders \"ds\" where English has \"ss\""},
        {"NextButton = &Next >>", "NextButton = Next >>",
         line(MessageId::NextButton) + "NextButton has 0 '&' where English has 1"},
        {"CancelButton = Cancel", "CancelButton = Can\\cel",
         line(MessageId::CancelButton) + "CancelButton has an unknown escape"},
        {"FinishButton = &Finish",
         "FinishButton =", line(MessageId::FinishButton) + "FinishButton is empty"},
        {"SetupCaption = Setup", "SetupCaption = Setup\nSetupCaption = Again",
         line(MessageId::SetupCaption, 1) + "SetupCaption is given twice"},
        {"DoneLine = Done.", "DoneLine = Done.\nDoneLines = Done.",
         line(MessageId::DoneLine, 1) + "unknown identifier DoneLines"},
        {"DoneLine = Done.", "DoneLine: Done.",
         line(MessageId::DoneLine) + "no \"Identifier = text\"\nDoneLine is missing"},
        {"ClickFinishText = Click Finish to continue.", "ClickFinishText = \xff",
         line(MessageId::ClickFinishText) + "ClickFinishText is not UTF-8"},
        {"ReadyHeading = Ready to Install\n", "", "ReadyHeading is missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problems);
        std::string file = good;
        const size_t at = file.find(c.from);
        ASSERT_NE(at, std::string::npos);
        file.replace(at, c.from.size(), c.to);
        problems.clear();
        EXPECT_FALSE(ReadLanguageFile(file, &texts, &problems));
        EXPECT_EQ(Join(problems), c.problems + "\n");
    }
}

// What translators see as English is what the programs show in English.
TEST(LanguageFilesTest, TheMessageTableHoldsTheTextsTheProgramsShowInEnglish) {
    const auto english = [](MessageId id) {
        return std::u16string(kMessages[static_cast<int>(id)].english);
    };
    const auto widened = [](const char* ascii) {
        return std::u16string(ascii, ascii + std::char_traits<char>::length(ascii));
    };
    EXPECT_EQ(english(MessageId::WelcomeHeading), installer::kWelcomeHeading);
    EXPECT_EQ(english(MessageId::WelcomeHeading), uninstaller::kWelcomeHeading);
    EXPECT_EQ(english(MessageId::AddFolderButton), installer::kAddFolderCaption);
    EXPECT_EQ(english(MessageId::BrowseFolderTitle), installer::kBrowseFolderTitle);
    EXPECT_EQ(english(MessageId::InvalidFolderMessage), installer::kInvalidFolderMessage);
    EXPECT_EQ(english(MessageId::ClickNextText), installer::kClickNextText);
    EXPECT_EQ(english(MessageId::ClickNextText), uninstaller::kClickNextText);
    EXPECT_EQ(english(MessageId::DoneLine), installer::kDoneLine);
    EXPECT_EQ(english(MessageId::DoneLine), uninstaller::kDoneLine);
    EXPECT_EQ(english(MessageId::CreatingUninstallerLine), installer::kCreatingUninstallerText);
    EXPECT_EQ(english(MessageId::RegisteringUninstallerLine),
              installer::kRegisteringUninstallerText);
    EXPECT_EQ(english(MessageId::DamagedSetupMessage), installer::kDamagedSetupMessage);
    EXPECT_EQ(english(MessageId::SetupCaption), installer::kSetupCaption);
    EXPECT_EQ(english(MessageId::SetupSwitchesText), widened(installer::kSetupSwitchesText));
    EXPECT_EQ(english(MessageId::UninstallSwitchesText),
              widened(uninstaller::kUninstallSwitchesText));
    EXPECT_EQ(english(MessageId::EntryDamagedMessage), uninstaller::kEntryDamagedMessage);
    EXPECT_EQ(english(MessageId::UninstallCaption), uninstaller::kMessageCaption);
    EXPECT_EQ(english(MessageId::UnregisteringLine), uninstaller::kUnregisteringLine);
    EXPECT_EQ(text::Format(english(MessageId::FinishText), {u"P", u"P", u"1", u"e"}),
              installer::FinishText(u"P", u"1", u"e"));
    EXPECT_EQ(text::Format(english(MessageId::FolderPageExplanation), {u"P"}),
              installer::FolderPageExplanation(u"P"));
    EXPECT_EQ(text::Format(english(MessageId::UninstallCompleteText), {u"P"}),
              uninstaller::CompleteText(u"P"));
}

}  // namespace
