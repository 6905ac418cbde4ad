// The values the system's list of installed programs reads beside the uninstaller's eleven.
#include <gtest/gtest.h>

#include "installer/uninstall_values.h"

namespace {

TEST(ProgramListValues, QuietUninstallVersionIconLocationSizeAndNoChanges) {
    ProjectStrings strings;
    strings.versionText = u"2.1.0.7";
    const os::Path uninstaller = u"C:\\Program Files (x86)\\Candle Scout\\Uninstall.exe";
    const installer::ProgramListValues values = installer::ProgramListEntry(
        uninstaller, u"C:\\Program Files (x86)\\Candle Scout", strings, 1234);

    ASSERT_EQ(values.strings.size(), 4u);
    const std::pair<std::u16string, std::u16string> expected[] = {
        {u"QuietUninstallString", u"\"C:\\Program Files (x86)\\Candle Scout\\Uninstall.exe\" /S"},
        {u"DisplayVersion", u"2.1.0.7"},
        {u"DisplayIcon", uninstaller},
        {u"InstallLocation", u"C:\\Program Files (x86)\\Candle Scout"},
    };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(values.strings[i].name, expected[i].first);
        EXPECT_EQ(values.strings[i].data, expected[i].second);
    }
    ASSERT_EQ(values.dwords.size(), 3u);
    EXPECT_EQ(std::u16string(values.dwords[0].name), u"EstimatedSize");
    EXPECT_EQ(values.dwords[0].data, 1234u);
    EXPECT_EQ(std::u16string(values.dwords[1].name), u"NoModify");
    EXPECT_EQ(std::u16string(values.dwords[2].name), u"NoRepair");
    EXPECT_EQ(values.dwords[1].data, 1u);
    EXPECT_EQ(values.dwords[2].data, 1u);

    // None of them is one of the eleven, whose names the uninstaller reads.
    for (const installer::UninstallValue& old : package::ProductEntryValues(uninstaller, strings)) {
        for (const installer::UninstallValue& added : values.strings) {
            EXPECT_NE(std::u16string(old.name), std::u16string(added.name));
        }
    }
}

}  // namespace
