#include "os/os.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using os::fake::Shortcut;

constexpr char16_t kLink[] = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\X.lnk";

TEST_F(FakeMachineTest, ShortcutRecordRoundTrip) {
    ASSERT_EQ(os::CreateShortcut(u"C:\\Program Files (x86)\\X\\x.exe", u"/quiet", u"x.exe", kLink),
              0);
    EXPECT_EQ(ReadHostFile(kLink),
              "target=C:\\Program Files (x86)\\X\\x.exe\narguments=/quiet\ndescription=x.exe\n");
    Shortcut shortcut;
    ASSERT_TRUE(os::fake::ReadShortcut(kLink, &shortcut));
    EXPECT_EQ(shortcut.target, u"C:\\Program Files (x86)\\X\\x.exe");
    EXPECT_EQ(shortcut.arguments, u"/quiet");
    EXPECT_EQ(shortcut.description, u"x.exe");
}

TEST_F(FakeMachineTest, ShortcutTextsWithLineBreaksPercentsAndNonAsciiComeBackUnchanged) {
    const os::Path arguments = u"\"%1\" --name=a=b\r\nsecond %0A line";
    const os::Path description = u"R\u00e9sum\u00e9 \u20ac";
    ASSERT_EQ(os::CreateShortcut(u"C:\\t.exe", arguments, description, kLink), 0);
    Shortcut shortcut;
    ASSERT_TRUE(os::fake::ReadShortcut(kLink, &shortcut));
    EXPECT_EQ(shortcut.target, u"C:\\t.exe");
    EXPECT_EQ(shortcut.arguments, arguments);
    EXPECT_EQ(shortcut.description, description);

    // Empty texts are kept as empty.
    ASSERT_EQ(os::CreateShortcut(u"C:\\t.exe", u"", u"", kLink), 0);
    ASSERT_TRUE(os::fake::ReadShortcut(kLink, &shortcut));
    EXPECT_EQ(shortcut.arguments, u"");
    EXPECT_EQ(shortcut.description, u"");
}

TEST_F(FakeMachineTest, ShortcutFailuresCreateNothing) {
    const os::Path missingFolderLink = u"C:\\No Group\\X.lnk";
    EXPECT_LT(os::CreateShortcut(u"C:\\t.exe", u"", u"", missingFolderLink), 0);
    EXPECT_FALSE(HostExists(u"C:\\No Group"));
    EXPECT_LT(os::CreateShortcut(u"", u"", u"", kLink), 0);
    EXPECT_LT(os::CreateShortcut(u"C:\\" + os::Path(260, u'a'), u"", u"", kLink), 0);
    EXPECT_LT(os::CreateShortcut(u"C:\\t.exe", u"", u"", u"C:\\" + os::Path(260, u'a')), 0);
    EXPECT_FALSE(HostExists(kLink));
    // Shortcuts are not file operations of the code under test.
    EXPECT_EQ(os::fake::CallCount(os::fake::Operation::Open), 0);
}

TEST_F(FakeMachineTest, ReadShortcutRejectsWhatIsNotARecord) {
    Shortcut shortcut;
    EXPECT_FALSE(os::fake::ReadShortcut(u"C:\\missing.lnk", &shortcut));
    const char* broken[] = {
        "",                                   // no target
        "arguments=x\ndescription=y\n",       // no target
        "target=C:\\t.exe",                   // unended line
        "target=C:\\t.exe\nicon=1\n",         // unknown key
        "target=C:\\t.exe\narguments\n",      // no "="
        "target=C:\\t.exe\narguments=%zz\n",  // bad escape
        "target=C:\\t.exe\narguments=%2\n",   // cut escape
        "L\x01\x14\x02 binary\n",             // a line without a key
    };
    for (const char* bytes : broken) {
        WriteHostFile(u"C:\\bad.lnk", bytes);
        EXPECT_FALSE(os::fake::ReadShortcut(u"C:\\bad.lnk", &shortcut)) << bytes;
    }
}

}  // namespace
