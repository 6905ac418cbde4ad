// The setup's command line: words split as the C runtime splits them, the switches matched
// without regard to letter case, and every way a line can be wrong.
#include <gtest/gtest.h>

#include "base/text.h"
#include "installer/setup_command_line.h"
#include "base/command_line.h"

namespace {

using cmdline::SplitCommandLine;
using installer::ParseSetupCommandLine;
using installer::SetupCommandLine;
using Mode = SetupCommandLine::Mode;

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    for (const std::u16string& word : SplitCommandLine(text::FromUtf8(line))) {
        words.push_back(text::ToUtf8(word));
    }
    return words;
}

SetupCommandLine Parse(const std::string& line) {
    return ParseSetupCommandLine(text::FromUtf8(line));
}

std::vector<std::string> Folders(const SetupCommandLine& parsed) {
    std::vector<std::string> folders;
    for (const os::Path& folder : parsed.options.metaTraderFolders) {
        folders.push_back(text::ToUtf8(folder));
    }
    return folders;
}

TEST(CommandLineWords, QuotesAndBackslashesFollowTheRuntimesRules) {
    using W = std::vector<std::string>;
    EXPECT_EQ(Words(""), W{});
    EXPECT_EQ(Words("  \t "), W{});
    EXPECT_EQ(Words("/S  /RUN\t/LOG=x"), (W{"/S", "/RUN", "/LOG=x"}));
    EXPECT_EQ(Words("/MT4=\"C:\\Program Files\\MT4\" /S"),
              (W{"/MT4=C:\\Program Files\\MT4", "/S"}));
    EXPECT_EQ(Words("\"/MT4=C:\\Program Files\\MT4\""), (W{"/MT4=C:\\Program Files\\MT4"}));
    EXPECT_EQ(Words("a\"b c\"d"), (W{"ab cd"}));
    EXPECT_EQ(Words("\"\" x"), (W{"", "x"}));
    EXPECT_EQ(Words("\"say \"\"hi\"\"\""), (W{"say \"hi\""}));
    // Backslashes count only before a quote.
    EXPECT_EQ(Words("C:\\a\\\\b"), (W{"C:\\a\\\\b"}));
    EXPECT_EQ(Words("a\\\\\"b c\""), (W{"a\\b c"}));
    EXPECT_EQ(Words("a\\\"b"), (W{"a\"b"}));
    EXPECT_EQ(Words("a\\\\\\\"b"), (W{"a\\\"b"}));
    // The classic trap: a folder ending in a backslash before its closing quote.
    EXPECT_EQ(Words("/MT4=\"C:\\MT4\\\" /S"), (W{"/MT4=C:\\MT4\" /S"}));
    EXPECT_EQ(Words("\"unclosed quote"), (W{"unclosed quote"}));
}

TEST(SetupCommandLine, WithoutSilentTheWizardRunsWhateverElseIsGiven) {
    EXPECT_EQ(Parse("").mode, Mode::Wizard);
    EXPECT_EQ(Parse("/MT4=C:\\MT4 /RUN").mode, Mode::Wizard);
    EXPECT_EQ(Parse("/SILENT --anything").mode, Mode::Wizard);
    EXPECT_EQ(Parse("/?").mode, Mode::Help);
    EXPECT_EQ(Parse("/S /bogus /?").mode, Mode::Help) << "help wins over a usage error";
}

TEST(SetupCommandLine, SwitchesInAnyLetterCase) {
    const SetupCommandLine parsed =
        Parse("/s /mt4=\"C:\\Program Files\\MT4\" /Mt4=D:\\Trading\\MT4 /run /log=C:\\x.log");
    ASSERT_EQ(parsed.mode, Mode::Unattended) << text::ToUtf8(parsed.error);
    EXPECT_EQ(Folders(parsed),
              (std::vector<std::string>{"C:\\Program Files\\MT4", "D:\\Trading\\MT4"}));
    EXPECT_TRUE(parsed.options.run);
    EXPECT_EQ(parsed.options.logFile, u"C:\\x.log");

    const SetupCommandLine plain = Parse("/S");
    ASSERT_EQ(plain.mode, Mode::Unattended);
    EXPECT_TRUE(plain.options.metaTraderFolders.empty());
    EXPECT_FALSE(plain.options.run);
    EXPECT_TRUE(plain.options.logFile.empty());
}

TEST(SetupCommandLine, FoldersAreTidiedAndTakenOnce) {
    // The folder with the trap comes last, where its stray quote ends the line.
    const SetupCommandLine parsed = Parse(
        "/S /MT4=E:\\Other\\\\ /MT4=F:\\ /MT4=\\\\server\\mt4 /MT4=e:\\other "
        "/MT4=\"C:\\MT4\\\"");
    ASSERT_EQ(parsed.mode, Mode::Unattended) << text::ToUtf8(parsed.error);
    EXPECT_EQ(Folders(parsed),
              (std::vector<std::string>{"E:\\Other", "F:\\", "\\\\server\\mt4", "C:\\MT4"}));
}

TEST(SetupCommandLine, SlashesBecomeSingleBackslashes) {
    const SetupCommandLine parsed = Parse(
        "/S \"/MT4=D:/Trading/MT4 Two/\" /MT4=//server/mt4 /MT4=G:\\\\a\\\\\\b\\\\ "
        "\"/MT4=d:\\trading/mt4 two\" /MT4=C:// /MT4=\\\\server\\\\mt4");
    ASSERT_EQ(parsed.mode, Mode::Unattended) << text::ToUtf8(parsed.error);
    EXPECT_EQ(Folders(parsed), (std::vector<std::string>{"D:\\Trading\\MT4 Two", "\\\\server\\mt4",
                                                         "G:\\a\\b", "C:\\"}));
}

TEST(SetupCommandLine, EachWrongLineIsAUsageErrorThatSaysWhy) {
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"/S /QUIET", "unknown switch /QUIET"},
        {"/S setup.log", "unknown switch setup.log"},
        {"/S /MT4", "/MT4 needs a value: /MT4=..."},
        {"/S /MT4=", "/MT4 needs a value: /MT4=..."},
        {"/S /LOG", "/LOG needs a value: /LOG=..."},
        {"/S /S=1", "/S takes no value"},
        {"/S /RUN=yes", "/RUN takes no value"},
        {"/S /LOG=a /LOG=b", "/LOG is given twice"},
        {"/S /MT4=MT4", "/MT4 needs a full path, such as C:\\MT4: MT4"},
        {"/S /MT4=\\MT4", "/MT4 needs a full path, such as C:\\MT4: \\MT4"},
        {"/S /MT4=C:MT4", "/MT4 needs a full path, such as C:\\MT4: C:MT4"},
        // Characters that no Windows folder name holds.
        {"/S /MT4=C:\\MT4*", "/MT4 needs a full path, such as C:\\MT4: C:\\MT4*"},
        {"/S \"/MT4=C://* ?MT\"", "/MT4 needs a full path, such as C:\\MT4: C://* ?MT"},
        {"/S /MT4=C:\\a<b>", "/MT4 needs a full path, such as C:\\MT4: C:\\a<b>"},
        {"/S /MT4=C:\\a|b", "/MT4 needs a full path, such as C:\\MT4: C:\\a|b"},
        {"/S /MT4=C:\\a\\\"b", "/MT4 needs a full path, such as C:\\MT4: C:\\a\"b"},
        {"/S /MT4=C:\\a:b", "/MT4 needs a full path, such as C:\\MT4: C:\\a:b"},
        {"/S /MT4=C:\\a\x01", "/MT4 needs a full path, such as C:\\MT4: C:\\a\x01"},
        {"/S /MT4=///server", "/MT4 needs a full path, such as C:\\MT4: ///server"},
    };
    for (const auto& c : cases) {
        const SetupCommandLine parsed = Parse(c.line);
        EXPECT_EQ(parsed.mode, Mode::UsageError) << c.line;
        EXPECT_EQ(text::ToUtf8(parsed.error), c.error) << c.line;
    }
}

TEST(SetupCommandLine, AFolderWithZeroUnitsIsAUsageError) {
    // A string handed to Windows would end at the first zero unit, naming another folder.
    const std::u16string folder = std::u16string(u"C:\\MT4") + u'\0' + u'\0' + u" x";
    const SetupCommandLine parsed = ParseSetupCommandLine(u"/S \"/MT4=" + folder + u"\" /RUN");
    EXPECT_EQ(parsed.mode, Mode::UsageError);
    EXPECT_EQ(parsed.error, u"/MT4 needs a full path, such as C:\\MT4: " + folder);
}

}  // namespace
