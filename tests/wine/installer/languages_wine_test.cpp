// A setup and its uninstaller in the user's language: for each language the setup carries, a
// user of that Windows language walks through all eight pages of the setup and the three of
// the uninstaller (and sees the "/?" texts of both in the first language). Every text the pages
// show is the translation (the author's own texts aside), none runs out of its control, and every
// page is saved as a screenshot. An unattended run writes its log in English whatever the language.

#include <gtest/gtest.h>

#include <clocale>
#include <locale.h>

#include <algorithm>
#include <filesystem>

#include "base/text.h"
#include "package/self_extractor.h"
#include "tests/wine/harness/wine_harness.h"
#include "translations/language_file.h"
#include "translations/message_id.h"
#include "translations/setup_languages.h"

namespace {

namespace fs = std::filesystem;
using translations::MessageId;
using winetest::Drive;
using winetest::DriverResult;

const char kProduct[] = "Pilot Bands";
const char kDirectory[] = "Pilot Bands Languages";
const char kVersion[] = "3.1.0.2";
const char kUrl[] = "https://pilot.example/";
const char kEmail[] = "ann@pilot.example";

// Each language with the locale a user of it runs Wine in.
struct Language {
    const char* tag;
    const char* locale;
};
const Language kLanguages[] = {
    {"ru", "ru_RU.UTF-8"},    {"ja", "ja_JP.UTF-8"},    {"ko", "ko_KR.UTF-8"},
    {"zh-CN", "zh_CN.UTF-8"}, {"zh-TW", "zh_TW.UTF-8"}, {"es", "es_ES.UTF-8"},
    {"pt-BR", "pt_BR.UTF-8"}, {"de", "de_DE.UTF-8"},    {"fr", "fr_FR.UTF-8"},
    {"it", "it_IT.UTF-8"},    {"tr", "tr_TR.UTF-8"},    {"id", "id_ID.UTF-8"},
    {"pl", "pl_PL.UTF-8"},    {"vi", "vi_VN.UTF-8"},
};

// The fonts the pages give their headings and the welcome page its labels, as the driver's
// "overflow" takes them, so that those texts are measured as they are drawn.
const char kWelcomeFonts[] =
    "1014:24:600:Vaved 1016:16:400:Vaved 1035:16:400:Vaved "
    "1036:16:400:Vaved 1037:16:400:Vaved";
const char kPageFonts[] = "1014:16:600:Vaved";
const char kUninstallWelcomeFonts[] = "1002:-24:600:Tahoma";
const char kUninstallPageFonts[] = "1002:-16:600:Tahoma";

// The texts of one language, as the driver prints them.
class Texts {
  public:
    explicit Texts(const std::string& tag) {
        for (const translations::LanguageSource& source : translations::LanguageSources()) {
            if (tag != source.tag) continue;
            std::vector<std::string> problems;
            EXPECT_TRUE(translations::ReadLanguageFile(std::string_view(source.utf8, source.size),
                                                       &texts_, &problems));
        }
        EXPECT_FALSE(texts_.empty()) << "no language " << tag;
    }

    std::string operator()(MessageId id) const { return text::ToUtf8(Text(id)); }

    // The message with `args` put in as the programs put them (at most four).
    std::string Format(MessageId id, std::initializer_list<std::string> args) const {
        std::u16string wide[4];
        size_t i = 0;
        for (const std::string& arg : args) wide[i++] = text::FromUtf8(arg);
        return text::ToUtf8(text::Format(Text(id), {wide[0], wide[1], wide[2], wide[3]}));
    }

    // The part of a "...%s..." message before its placeholder.
    std::string Before(MessageId id) const {
        const std::u16string whole = Text(id);
        return text::ToUtf8(whole.substr(0, whole.find(u'%')));
    }

  private:
    std::u16string Text(MessageId id) const {
        return texts_.empty() ? std::u16string() : texts_[static_cast<int>(id)];
    }
    std::vector<std::u16string> texts_;
};

class LanguagesWine : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = winetest::ScratchFolder("languages");
        terminal_ = winetest::WindowsFolder("programfiles") + "\\MetaTrader Languages";
        product_ = winetest::WindowsFolder("programfiles") + "\\" + kDirectory;
        winetest::RemoveInstalledProduct({terminal_, product_});
        winetest::LayOutTerminal(terminal_);
        setup_ = BuildSetup();
    }

    void TearDown() override { winetest::RemoveInstalledProduct({terminal_, product_}); }

    // A setup with a readme, a license and what's new, so that every page shows, and the
    // language pack a build gives every setup.
    std::string BuildSetup() {
        CSelfExtractor writer;
        const char* const fixed[][2] = {{"project.ico", ""},
                                        {"banner.jpg", ""},
                                        {"License.rtf", "{\\rtf1 The license.}"},
                                        {"Readme.rtf", "{\\rtf1 The readme.}"},
                                        {"What's New.rtf", "{\\rtf1 What is new.}"}};
        for (const auto& file : fixed) {
            winetest::WriteHostFile(folder_ + "/" + file[0], file[1]);
            EXPECT_TRUE(writer.AddFile(text::FromUtf8(folder_ + "/" + file[0]), u"{app}\\", u"",
                                       u"", u"", u"", u"", u""));
        }
        winetest::WriteHostFile(folder_ + "/Pilot.ex4", "the expert's bytes");
        EXPECT_TRUE(writer.AddFile(text::FromUtf8(folder_ + "/Pilot.ex4"),
                                   u"{metatrader}\\experts\\", u"", u"", u"", u"", u"", u""));
        writer.SetProjectInfo(text::FromUtf8(kProduct), text::FromUtf8(kDirectory),
                              text::FromUtf8(kDirectory), u"129", text::FromUtf8(kVersion),
                              u"Pilot Labs", u"", text::FromUtf8(kUrl), u"Ann Author",
                              text::FromUtf8(kEmail));
        std::string front =
            winetest::ReadHostFile(winetest::WinProgram("installer/win/extractor.exe"));
        std::vector<uint8_t> pack;
        std::u16string error;
        EXPECT_TRUE(translations::BuildSetupLanguagePack(u"", &pack, &error));
        front.append(pack.begin(), pack.end());
        const std::string setup = folder_ + "/PilotSetup.exe";
        EXPECT_EQ(writer.CreateSetup(front.data(), static_cast<uint32_t>(front.size()),
                                     text::FromUtf8(setup), nullptr, 0),
                  SFX_OK);
        return setup;
    }

    // On the window titled `title`: after `first`, each control's text is the one expected,
    // and no text runs out of its control (measured with `fonts`). Saved as `shot`.
    void ExpectPage(const std::string& title, const std::vector<std::string>& first,
                    const std::vector<std::pair<int, std::string>>& texts, const char* fonts,
                    const std::string& shot) {
        SCOPED_TRACE(shot);
        std::vector<std::string> commands = {"window " + title};
        commands.insert(commands.end(), first.begin(), first.end());
        for (const auto& [id, expected] : texts) commands.push_back("text " + std::to_string(id));
        commands.push_back(std::string("overflow ") + fonts);
        const DriverResult page = Drive(commands, 120000, env_);
        ASSERT_TRUE(page.ok()) << page.error;
        ASSERT_GE(page.lines.size(), texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(page.lines[i], texts[i].second) << "control " << texts[i].first;
        }
        for (size_t i = texts.size(); i < page.lines.size(); ++i) {
            ADD_FAILURE() << "does not fit: " << page.lines[i];
        }
        winetest::Screenshot(shot);
    }

    void Next(const std::string& title, const std::vector<std::string>& first = {}) {
        std::vector<std::string> commands = {"window " + title};
        commands.insert(commands.end(), first.begin(), first.end());
        for (const char* command : {"waitenabled 1", "click 1", "waitclosed"}) {
            commands.push_back(command);
        }
        const DriverResult next = Drive(commands, 120000, env_);
        ASSERT_TRUE(next.ok()) << next.error;
    }

    void WalkSetup(const Texts& t, const std::string& tag) {
        winetest::RunOptions options;
        options.env = env_;
        winetest::Process setup(setup_, {}, options);
        const auto title = [&](int step) {
            return t.Format(MessageId::WindowTitle,
                            {kProduct, kVersion, kUrl, std::to_string(step)});
        };
        const std::pair<int, std::string> prev = {1011, t(MessageId::PrevButton)};
        const std::pair<int, std::string> next = {1, t(MessageId::NextButton)};
        const std::pair<int, std::string> cancel = {2, t(MessageId::CancelButton)};
        const std::string shot = "languages-" + tag + "-setup-";

        ExpectPage(title(1), {"waitenabled 1"},
                   {{1014, t(MessageId::WelcomeHeading)},
                    {1013, t(MessageId::CloseTerminalsText)},
                    {1016, t.Format(MessageId::WelcomeText, {kProduct, kVersion})},
                    {1035, t(MessageId::PublisherLabel)},
                    {1036, t(MessageId::ContactLabel)},
                    {1037, t(MessageId::EmailLabel)},
                    next,
                    cancel},
                   kWelcomeFonts, shot + "1");
        Next(title(1));
        ExpectPage(title(2), {},
                   {{1014, t(MessageId::InformationHeading)},
                    {1013, t(MessageId::InformationSubheading)},
                    {1015, t(MessageId::InformationContinue)},
                    prev,
                    next,
                    cancel},
                   kPageFonts, shot + "2");
        Next(title(2));
        ExpectPage(title(3), {"click 1024"},
                   {{1014, t(MessageId::LicenseHeading)},
                    {1013, t(MessageId::LicenseSubheading)},
                    {1015, t(MessageId::LicenseExplanation)},
                    {1024, t(MessageId::AcceptLicense)},
                    {1025, t(MessageId::DeclineLicense)},
                    prev,
                    next,
                    cancel},
                   kPageFonts, shot + "3");
        Next(title(3));

        const DriverResult rows = Drive({"window " + title(4), "items 1031"}, 120000, env_);
        ASSERT_TRUE(rows.ok()) << rows.error;
        const winetest::TerminalTicks ticks = winetest::TicksFor(rows.lines, {terminal_});
        ASSERT_EQ(ticks.commands.size(), 1u);
        ExpectPage(title(4), ticks.commands,
                   {{1014, t(MessageId::DestinationHeading)},
                    {1015, t.Format(MessageId::FolderPageExplanation, {kProduct})},
                    {1026, t(MessageId::AddFolderButton)},
                    prev,
                    next,
                    cancel},
                   kPageFonts, shot + "4");
        Next(title(4));
        ExpectPage(title(5), {"waittext 1023 " + t(MessageId::SummaryProgramFolder)},
                   {{1014, t(MessageId::ReadyHeading)},
                    {1013, t(MessageId::ReadySubheading)},
                    {1015, t(MessageId::ReadyExplanation)},
                    prev,
                    next,
                    cancel},
                   kPageFonts, shot + "5");
        Next(title(5));
        ExpectPage(title(6), {"timeout 60000", "waittext 1015 " + t(MessageId::ClickNextText)},
                   {{1014, t(MessageId::ProgressHeading)},
                    {1013, t(MessageId::ProgressSubheading)},
                    {1015, t(MessageId::ClickNextText)}},
                   kPageFonts, shot + "6");
        const DriverResult log = Drive({"window " + title(6), "items 1031"}, 120000, env_);
        ASSERT_TRUE(log.ok()) << log.error;
        ASSERT_FALSE(log.lines.empty());
        EXPECT_EQ(log.lines.front().rfind(t.Before(MessageId::CopyingLine), 0), 0u)
            << log.lines.front();
        EXPECT_EQ(log.lines.back(), t(MessageId::DoneLine));
        Next(title(6));
        ExpectPage(title(7), {},
                   {{1014, t(MessageId::WhatsNewHeading)},
                    {1013, t(MessageId::WhatsNewSubheading)},
                    {1015, t(MessageId::WhatsNewContinue)},
                    prev,
                    next},
                   kPageFonts, shot + "7");
        Next(title(7));
        ExpectPage(title(8), {},
                   {{1014, t(MessageId::CompleteHeading)},
                    {1013, t.Format(MessageId::FinishText, {kProduct, kProduct, kVersion, kEmail})},
                    {1028, t(MessageId::RunTerminal)},
                    {2, t(MessageId::FinishButton)}},
                   kPageFonts, shot + "8");
        const DriverResult finish =
            Drive({"window " + title(8), "click 1028", "click 2", "waitclosed"}, 120000, env_);
        ASSERT_TRUE(finish.ok()) << finish.error;
        EXPECT_EQ(setup.Wait(30000).exitCode, 0);
    }

    // "/?" of `program` shows `expected` in its message box, saved as `shot`.
    void ExpectSwitchesBox(const std::string& program, const std::string& expected,
                           const std::string& shot) {
        winetest::RunOptions options;
        options.env = env_;
        winetest::Process shown(program, {"/?"}, options);
        const DriverResult box = Drive({"msgbox", "sleep 300"}, 120000, env_);
        ASSERT_TRUE(box.ok()) << box.error;
        EXPECT_EQ(box.lines, std::vector<std::string>{expected});
        winetest::Screenshot(shot);
        ASSERT_TRUE(Drive({"msgbox", "click 1", "waitclosed"}, 120000, env_).ok());
        EXPECT_EQ(shown.Wait(30000).exitCode, 0);
    }

    void WalkUninstaller(const Texts& t, const std::string& tag) {
        winetest::RunOptions options;
        options.env = env_;
        winetest::Process uninstaller(product_ + "\\Uninstall.exe", {}, options);
        const std::string title = t(MessageId::UninstallCaption);
        const std::string shot = "languages-" + tag + "-uninstall-";
        ExpectPage(title, {"waitenabled 1"},
                   {{1002, t(MessageId::WelcomeHeading)},
                    {1004, t.Format(MessageId::UninstallWelcomeText, {kProduct, kVersion})},
                    {1020, t(MessageId::PublisherLabel)},
                    {1021, t(MessageId::ContactLabel)},
                    {1022, t(MessageId::UninstallEmailLabel)},
                    {1013, t(MessageId::UninstallCloseTerminalsText)},
                    {1, t(MessageId::NextButton)},
                    {2, t(MessageId::CancelButton)}},
                   kUninstallWelcomeFonts, shot + "1");
        Next(title);
        ExpectPage(title, {"waittext 1004 " + t(MessageId::ClickNextText), "waitenabled 1"},
                   {{1002, t(MessageId::UninstallProgressHeading)},
                    {1023, t(MessageId::UninstallProgressSubheading)},
                    {1004, t(MessageId::ClickNextText)}},
                   kUninstallPageFonts, shot + "2");
        const DriverResult log = Drive({"window " + title, "items 1007"}, 120000, env_);
        ASSERT_TRUE(log.ok()) << log.error;
        ASSERT_FALSE(log.lines.empty());
        EXPECT_EQ(log.lines.front().rfind(t.Before(MessageId::DeleteFileLine), 0), 0u)
            << log.lines.front();
        EXPECT_EQ(log.lines.back(), t(MessageId::DoneLine));
        Next(title);
        ExpectPage(title, {},
                   {{1002, t(MessageId::UninstallCompleteHeading)},
                    {1014, t.Format(MessageId::UninstallCompleteText, {kProduct})},
                    {1024, t(MessageId::ClickFinishText)},
                    {2, t(MessageId::FinishButton)}},
                   kUninstallPageFonts, shot + "3");
        const DriverResult finish =
            Drive({"window " + title, "click 2", "waitclosed"}, 120000, env_);
        ASSERT_TRUE(finish.ok()) << finish.error;
        EXPECT_EQ(uninstaller.Wait(20000).exitCode, 0);
    }

    std::string folder_, terminal_, product_, setup_;
    std::vector<std::string> env_;
};

TEST_F(LanguagesWine, EveryLanguageWalksThroughTheSetupAndItsUninstaller) {
    for (const Language& language : kLanguages) {
        locale_t locale = newlocale(LC_ALL_MASK, language.locale, nullptr);
        ASSERT_NE(locale, nullptr)
            << "the locale " << language.locale << " is missing: run scripts/install-deps.sh";
        freelocale(locale);
    }
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.tag);
        env_ = {std::string("LANG=") + language.locale};
        const Texts texts(language.tag);
        ASSERT_NO_FATAL_FAILURE(WalkSetup(texts, language.tag));
        if (&language == kLanguages) {
            // The switches of both programs, once: the same texts as the pages.
            ExpectSwitchesBox(setup_, texts(MessageId::SetupSwitchesText),
                              "languages-" + std::string(language.tag) + "-setup-switches");
            ExpectSwitchesBox(product_ + "\\Uninstall.exe", texts(MessageId::UninstallSwitchesText),
                              "languages-" + std::string(language.tag) + "-uninstall-switches");
        }
        ASSERT_NO_FATAL_FAILURE(WalkUninstaller(texts, language.tag));
        EXPECT_FALSE(fs::exists(winetest::HostPath(terminal_ + "\\experts\\Pilot.ex4")));
    }
}

TEST_F(LanguagesWine, UnattendedRunsLogInEnglishInAnyLanguage) {
    winetest::RunOptions options;
    options.env = {"LANG=ru_RU.UTF-8"};
    const std::string log = winetest::WindowsFolder("temp") + "\\languages-install.log";
    const winetest::ProcessResult installed =
        winetest::Run(setup_, {"/S", "/MT4=" + terminal_, "/LOG=" + log}, options);
    ASSERT_EQ(installed.exitCode, 0) << installed.err;
    const std::string lines = winetest::ReadHostFile(winetest::HostPath(log));
    EXPECT_NE(lines.find("Copying Pilot.ex4..."), std::string::npos) << lines;
    EXPECT_NE(lines.find("Done."), std::string::npos) << lines;
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(), [](unsigned char c) { return c < 0x80; }))
        << lines;
    const winetest::ProcessResult removed =
        winetest::Run(product_ + "\\Uninstall.exe", {"/S"}, options);
    EXPECT_EQ(removed.exitCode, 0);
}

}  // namespace
