#include <gtest/gtest.h>

#include "builder/ui/update_rules.h"

namespace {

using namespace ui;

TEST(UpdateVersions, DigitsJoinMajorMinorAndBuild) {
    EXPECT_EQ(VersionDigits(1, 2, 8), u"128");
    EXPECT_EQ(VersionDigits(1, 2, 9), u"129");
    // A two-digit component makes a longer number: 1.2.10 reads as 12.10.
    EXPECT_EQ(VersionDigits(1, 2, 10), u"1210");
    EXPECT_EQ(VersionWithDecimals(VersionInteger(VersionDigits(1, 2, 10))), u"12.10");
}

TEST(UpdateVersions, IntegersTakeTheLeadingDigits) {
    EXPECT_EQ(VersionInteger(u"130"), 130);
    EXPECT_EQ(VersionInteger(u"131beta"), 131);
    EXPECT_EQ(VersionInteger(u" 129\n"), 129);
    EXPECT_EQ(VersionInteger(u""), 0);
    EXPECT_EQ(VersionInteger(u"v130"), 0);
}

TEST(UpdateVersions, OnlyAStrictlyGreaterLatestIsNewer) {
    EXPECT_TRUE(IsNewerVersion(u"129", u"128"));
    EXPECT_TRUE(IsNewerVersion(u"130", u"129"));
    EXPECT_FALSE(IsNewerVersion(u"129", u"129"));
    EXPECT_FALSE(IsNewerVersion(u"128", u"129"));
    // An empty latest text is 0 and never newer; an unreadable running version counts as 0.
    EXPECT_FALSE(IsNewerVersion(u"", u"129"));
    EXPECT_FALSE(IsNewerVersion(u"", u""));
    EXPECT_TRUE(IsNewerVersion(u"1", u""));
    // Whole numbers compare, not texts: "1210" is newer than "999".
    EXPECT_TRUE(IsNewerVersion(u"1210", u"999"));
}

TEST(UpdateVersions, ButtonShowsHundredthsWithTwoDecimals) {
    EXPECT_EQ(UpdateButtonText(129), u"Update to 1.29");
    EXPECT_EQ(UpdateButtonText(130), u"Update to 1.30");
    EXPECT_EQ(UpdateButtonText(1210), u"Update to 12.10");
    EXPECT_EQ(UpdateButtonText(5), u"Update to 0.05");
    EXPECT_EQ(UpdateButtonText(100), u"Update to 1.00");
    EXPECT_EQ(VersionWithDecimals(-130), u"-1.30");
    EXPECT_EQ(VersionWithDecimals(2147483647), u"21474836.47");
}

TEST(UpdateVersions, LibraryMatchIsTheFileNameIgnoringCase) {
    EXPECT_TRUE(IsMsxml4LibraryPath(u"C:\\windows\\system32\\msxml4.dll"));
    EXPECT_TRUE(IsMsxml4LibraryPath(u"C:\\WINDOWS\\SYSTEM32\\MSXML4.DLL"));
    // Only the last ten characters count, so a name that merely ends the same way matches.
    EXPECT_TRUE(IsMsxml4LibraryPath(u"C:\\windows\\oldmsxml4.dll"));
    EXPECT_TRUE(IsMsxml4LibraryPath(u"msxml4.dll"));
    EXPECT_FALSE(IsMsxml4LibraryPath(u"C:\\windows\\system32\\msxml3.dll"));
    EXPECT_FALSE(IsMsxml4LibraryPath(u"C:\\windows\\msxml4.dll.mui"));
    EXPECT_FALSE(IsMsxml4LibraryPath(u"sxml4.dll"));
}

TEST(UpdateVersions, TheSettingsMayNameAnotherDocument) {
    EXPECT_EQ(UpdateDocumentAddress(u""), u"https://www.tessark.com/update/tessark.xml");
    EXPECT_EQ(UpdateDocumentAddress(u"  "), u"https://www.tessark.com/update/tessark.xml");
    EXPECT_EQ(UpdateDocumentAddress(u" Z:\\tmp\\latest.xml "), u"Z:\\tmp\\latest.xml");
}

}  // namespace
