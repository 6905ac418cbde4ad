#include <cstdlib>
#include <filesystem>

#include "base/text.h"
#include "os/os.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using os::fake::HostPath;

TEST_F(FakeMachineTest, DrivePathsMapBelowTheRootWithTheLetterUpperCased) {
    EXPECT_EQ(HostPath(u"C:\\Program Files (x86)\\X"), root_ + "/C/Program Files (x86)/X");
    EXPECT_EQ(HostPath(u"c:\\windows\\system32"), root_ + "/C/windows/system32");
    EXPECT_EQ(HostPath(u"d:\\"), root_ + "/D/");
    EXPECT_EQ(HostPath(u"C:"), root_ + "/C");
    // A drive-relative path still lands on its drive.
    EXPECT_EQ(HostPath(u"C:temp\\a"), root_ + "/C/temp/a");
    // Both separators are accepted, as Windows accepts them.
    EXPECT_EQ(HostPath(u"C:/mixed\\separators/here"), root_ + "/C/mixed/separators/here");
}

TEST_F(FakeMachineTest, DotLevelsAreResolvedAndNeverLeaveTheDrive) {
    EXPECT_EQ(HostPath(u"C:\\a\\.\\b\\..\\c"), root_ + "/C/a/c");
    EXPECT_EQ(HostPath(u"C:\\..\\..\\..\\etc\\passwd"), root_ + "/C/etc/passwd");
    EXPECT_EQ(HostPath(u"C:\\Program Files (x86)\\..\\..\\x\\"), root_ + "/C/x/");
    EXPECT_EQ(HostPath(u"C:..\\up"), root_ + "/C/up");
    // A missing level before ".." does not matter, as on Windows.
    ASSERT_TRUE(os::CreateFolder(u"C:\\real"));
    os::File file;
    ASSERT_TRUE(file.Create(u"C:\\missing\\..\\real\\f.txt"));
    EXPECT_TRUE(HostExists(u"C:\\real\\f.txt"));
}

TEST_F(FakeMachineTest, ConfinedPathsWithoutADriveLandOnDriveC) {
    os::fake::ConfineToRoot(true);
    EXPECT_EQ(HostPath(u"relative\\x"), root_ + "/C/relative/x");
    EXPECT_EQ(HostPath(u"/tmp/x"), root_ + "/C/tmp/x");
    EXPECT_EQ(HostPath(u"\\\\server\\share\\..\\..\\..\\y"), root_ + "/C/y");
    EXPECT_EQ(HostPath(u""), root_ + "/C");
    EXPECT_EQ(HostPath(u"D:\\z"), root_ + "/D/z");
    // Going back to no root ends the confinement.
    os::fake::SetRoot("");
    EXPECT_EQ(HostPath(u"relative\\x"), "relative/x");
}

TEST_F(FakeMachineTest, PathsWithoutADriveAreHostPaths) {
    EXPECT_EQ(HostPath(u"relative\\or\\host/path"), "relative/or/host/path");
    EXPECT_EQ(HostPath(u"/tmp/some\\file.txt"), "/tmp/some/file.txt");
    EXPECT_EQ(HostPath(u""), "");
    // Only a letter followed by a colon is a drive.
    EXPECT_EQ(HostPath(u"1:\\x"), "1:/x");
}

TEST_F(FakeMachineTest, NonAsciiNamesBecomeUtf8AndComeBackFromAListing) {
    const os::Path folder = u"C:\\M\u00fcller";
    const os::Path name = u"\u0444\u0430\u0439\u043b \u20ac.txt";
    EXPECT_EQ(HostPath(folder + u"\\" + name),
              root_ + "/C/M\xc3\xbcller/\xd1\x84\xd0\xb0\xd0\xb9\xd0\xbb \xe2\x82\xac.txt");

    ASSERT_TRUE(os::CreateFolder(folder));
    os::File file;
    ASSERT_TRUE(file.Create(folder + u"\\" + name));
    ASSERT_TRUE(file.Close());
    std::vector<os::FolderEntry> entries;
    ASSERT_TRUE(os::ListFolder(folder, &entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, name);
}

TEST_F(FakeMachineTest, RootIsKeptWithoutTrailingSlashAndEmptyMeansNoRoot) {
    os::fake::SetRoot(root_ + "//");
    EXPECT_EQ(os::fake::Root(), root_);
    EXPECT_EQ(HostPath(u"C:\\x"), root_ + "/C/x");

    os::fake::SetRoot("");
    EXPECT_EQ(os::fake::Root(), "machine");
    EXPECT_EQ(HostPath(u"C:\\x"), "machine/C/x");
}

TEST_F(FakeMachineTest, WithoutARootTempIsTheHostTemporaryFolder) {
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    setenv("TMPDIR", "/var/tmp/", 1);
    os::fake::SetRoot("");
    os::Path temp;
    ASSERT_TRUE(os::GetKnownFolder(os::KnownFolder::Temp, &temp));
    EXPECT_EQ(temp, u"/var/tmp");

    unsetenv("TMPDIR");
    os::fake::SetRoot("");
    ASSERT_TRUE(os::GetKnownFolder(os::KnownFolder::Temp, &temp));
    EXPECT_EQ(temp, u"/tmp");
    if (saved) setenv("TMPDIR", savedValue.c_str(), 1);

    // The other folders stay Windows paths.
    os::Path desktop;
    ASSERT_TRUE(os::GetKnownFolder(os::KnownFolder::Desktop, &desktop));
    EXPECT_EQ(desktop, u"C:\\users\\tester\\Desktop");
}

TEST_F(FakeMachineTest, ModulePathIsTheRunningProgramUnlessSet) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(os::ModulePath(), text::FromUtf8(self));

    os::fake::SetModulePath(u"C:\\Users\\tester\\Downloads\\setup.exe");
    EXPECT_EQ(os::ModulePath(), u"C:\\Users\\tester\\Downloads\\setup.exe");
    os::fake::SetModulePath(u"");
    EXPECT_EQ(os::ModulePath(), text::FromUtf8(self));
}

}  // namespace
