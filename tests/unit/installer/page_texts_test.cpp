#include "installer/page_texts.h"
#include "tests/unit/installer/classic_terminals.h"

#include <gtest/gtest.h>

namespace {

using namespace installer;

TEST(PageTextsTest, WindowTitleNamesProductVersionAddressAndStep) {
    EXPECT_EQ(WindowTitle(1, u"Grid EA", u"1.2.0.3", u"http://example.com"),
              u"Tessark | Grid EA 1.2.0.3 Installer | http://example.com | Step 1");
    EXPECT_EQ(WindowTitle(8, u"", u"", u""), u"Tessark |   Installer |  | Step 8");
    // Product strings are inserted as they are, even when they look like a format.
    EXPECT_EQ(WindowTitle(6, u"100%s", u"%d", u"%%"),
              u"Tessark | 100%s %d Installer | %% | Step 6");
}

TEST(PageTextsTest, SummaryListsEveryChosenFolderInOrder) {
    const std::u16string summary =
        SummaryText(u"Grid EA", u"1.0.0.0", ClassicTerminals({u"C:\\MT4 A", u"D:\\MT4 B"}),
                    u"C:\\Program Files (x86)", u"GridEA");
    EXPECT_EQ(summary,
              u"Product to Install:\r\n\tGrid EA v1.0.0.0\r\n\r\nTaget Folder(s)\r\n"
              u"\r\tC:\\MT4 A\r\n\r\tD:\\MT4 B\r\n"
              u"\r\nProgram Folder\r\n\tC:\\Program Files (x86)\\GridEA\r\n");
    EXPECT_EQ(SummaryText(u"X", u"1", {}, u"C:\\PF", u"X"),
              u"Product to Install:\r\n\tX v1\r\n\r\nTaget Folder(s)\r\n"
              u"\r\nProgram Folder\r\n\tC:\\PF\\X\r\n");
}

TEST(PageTextsTest, PageTextsInsertTheProductStrings) {
    EXPECT_EQ(WelcomeText(u"Grid EA", u"2.0.0.1"),
              u"You are about to install Grid EA Version: 2.0.0.1");
    EXPECT_EQ(FinishText(u"Grid EA", u"2.0", u"help@example.com"),
              u"The wizard has finished installing Grid EA to your computer. You can now launch "
              u"Metatrader application to see Grid EA 2.0 in action. Should you have any trouble "
              u"contact help@example.com. Enjoy it");
    EXPECT_EQ(CopyingLine(u"Grid.ex4"), u"Copying Grid.ex4...\r\n");
    EXPECT_EQ(ShortcutLine(u"ReadMe"), u"Creating shortcut ReadMe...\r\n");
    EXPECT_EQ(TerminalProgramPath(u"C:\\MT4"), u"C:\\MT4\\terminal.exe");
    EXPECT_EQ(TerminalProgramPath(u"D:\\"), u"D:\\terminal.exe");
}

TEST(PageTextsTest, FolderPageExplanationIsNotCutForLongNames) {
    EXPECT_EQ(FolderPageExplanation(u"Grid EA"),
              u"Please specify the MetaTrader main folder where you would like to install Grid "
              u"EA. This wizard will check plausibility of your MetaTrader folder before you can "
              u"continue. Hint: Choose the folder where you have terminal.exe.");
    const std::u16string name(300, u'N');
    const std::u16string explanation = FolderPageExplanation(name);
    EXPECT_EQ(explanation.size(), FolderPageExplanation(u"").size() + name.size());
    EXPECT_NE(explanation.find(u"install " + name + u". This wizard"), std::u16string::npos);
}

TEST(PageTextsTest, FailureMessageFollowsTheResultCode) {
    const std::u16string noData = u"Archive contins no data. Extraction cannot continue.";
    EXPECT_EQ(InstallFailureMessage(1001), noData);
    EXPECT_EQ(InstallFailureMessage(1004), noData);
    EXPECT_EQ(InstallFailureMessage(1005),
              u"The output file could not be written. You may not have enough harddisk space or "
              u"file may already started.");
    for (int32_t other : {1000, 1006, 1007, 0, -1}) {
        EXPECT_EQ(InstallFailureMessage(other), u"Internal Error") << other;
    }
}

}  // namespace
