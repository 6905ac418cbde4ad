// Window titles, the status notice and where project paths come from.
#include <gtest/gtest.h>

#include "base/text.h"
#include "builder/project/project_file.h"
#include "builder/ui/app_identity.h"
#include "builder/ui/project_paths.h"
#include "builder/ui/update_rules.h"

namespace {

using namespace ui;

TEST(ShellTitles, NameTheProjectTheBuilderAndTheMaker) {
    EXPECT_EQ(BaseTitle(), u"Tessark 1.29 - www.tessark.com");
    EXPECT_EQ(DocumentTitle(u"Untitled"), u"Untitled - Tessark 1.29 - www.tessark.com");
    EXPECT_EQ(DocumentTitle(FileTitle(u"C:\\Projects\\Grid Robot.eas")),
              u"Grid Robot.eas - Tessark 1.29 - www.tessark.com");
}

TEST(ShellTitles, ShownVersionFollowsTheBuildsVersion) {
    // The title, the About box and the packages all speak of the same version.
    EXPECT_EQ(ShownVersion(),
              VersionWithDecimals(VersionInteger(text::FromUtf8(TESSARK_VERSION_DIGITS))));
    EXPECT_TRUE(text::StartsWith(StatusNotice(), u"Tessark v" + ShownVersion()));
    EXPECT_TRUE(text::Contains(StatusNotice(), u"www.tessark.com"));
}

TEST(ShellTitles, FileTitleDropsTheFolder) {
    EXPECT_EQ(FileTitle(u"C:\\a\\b\\robot.eas"), u"robot.eas");
    EXPECT_EQ(FileTitle(u"Z:/tmp/robot.eas"), u"robot.eas");
    EXPECT_EQ(FileTitle(u"robot.eas"), u"robot.eas");
    EXPECT_EQ(FileTitle(u"C:\\folder\\"), u"");
}

TEST(ShellSaving, TheProjectExtensionIsAddedUnlessExactlyThere) {
    EXPECT_EQ(project::WithProjectExtension(u"C:\\p\\Robot"), u"C:\\p\\Robot.eas");
    EXPECT_EQ(project::WithProjectExtension(u"C:\\p\\Robot.eas"), u"C:\\p\\Robot.eas");
    EXPECT_EQ(project::WithProjectExtension(u"C:\\p\\Robot.EAS"), u"C:\\p\\Robot.EAS.eas");
}

TEST(ShellPaths, CommandLineLosesSurroundingBlanksAndQuotes) {
    EXPECT_EQ(CommandLineProjectPath(u""), u"");
    EXPECT_EQ(CommandLineProjectPath(u"   "), u"");
    EXPECT_EQ(CommandLineProjectPath(u"C:\\p\\robot.eas"), u"C:\\p\\robot.eas");
    EXPECT_EQ(CommandLineProjectPath(u"\"C:\\My Projects\\robot.eas\""),
              u"C:\\My Projects\\robot.eas");
    EXPECT_EQ(CommandLineProjectPath(u"  \"C:\\p\\robot.eas\"  "), u"C:\\p\\robot.eas");
    // Only a pair that encloses the whole text is taken away.
    EXPECT_EQ(CommandLineProjectPath(u"\"C:\\p\\robot.eas"), u"\"C:\\p\\robot.eas");
    EXPECT_EQ(CommandLineProjectPath(u"\"\""), u"");
}

TEST(ShellPaths, OnlyProjectFilesOpenWhenDropped) {
    EXPECT_TRUE(IsProjectFileName(u"C:\\p\\robot.eas"));
    EXPECT_TRUE(IsProjectFileName(u"C:\\p\\ROBOT.EAS"));
    EXPECT_FALSE(IsProjectFileName(u"C:\\p\\robot.ex4"));
    EXPECT_FALSE(IsProjectFileName(u"C:\\p\\robot.eas.bak"));
    EXPECT_FALSE(IsProjectFileName(u".eas"));
}

TEST(ShellPaths, TheTargetFolderIsWhatABuildNeedsToExist) {
    EXPECT_EQ(TargetFolder(u"C:\\out\\setups\\Setup.exe"), u"C:\\out\\setups");
    EXPECT_EQ(TargetFolder(u"C:\\Setup.exe"), u"C:\\");  // a drive's root, not "C:"
    EXPECT_EQ(TargetFolder(u"D:/builds/Setup.exe"), u"D:/builds");
    EXPECT_EQ(TargetFolder(u"\\\\server\\share\\Setup.exe"), u"\\\\server\\share");
    EXPECT_EQ(TargetFolder(u"Setup.exe"), u"");  // the current folder
    EXPECT_EQ(TargetFolder(u"\\Setup.exe"), u"");
}

TEST(ShellPaths, RecentFilesKeepTheLatestFourOnce) {
    std::vector<std::u16string> list;
    for (const char16_t* path : {u"a.eas", u"b.eas", u"c.eas", u"d.eas"}) {
        list = WithRecentFile(list, path);
    }
    EXPECT_EQ(list, (std::vector<std::u16string>{u"d.eas", u"c.eas", u"b.eas", u"a.eas"}));
    list = WithRecentFile(list, u"e.eas");
    EXPECT_EQ(list, (std::vector<std::u16string>{u"e.eas", u"d.eas", u"c.eas", u"b.eas"}));
    // Opening a listed project again moves it to the front, whatever its letter case.
    list = WithRecentFile(list, u"C.EAS");
    EXPECT_EQ(list, (std::vector<std::u16string>{u"C.EAS", u"e.eas", u"d.eas", u"b.eas"}));
    // Empty entries read from the settings are dropped.
    EXPECT_EQ(WithRecentFile({u"", u"x.eas"}, u"y.eas"),
              (std::vector<std::u16string>{u"y.eas", u"x.eas"}));
}

}  // namespace
