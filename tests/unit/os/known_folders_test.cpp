#include "os/os.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using os::KnownFolder;

os::Path Known(KnownFolder folder) {
    os::Path path = u"(unset)";
    EXPECT_TRUE(os::GetKnownFolder(folder, &path));
    return path;
}

TEST_F(FakeMachineTest, KnownFoldersStartAsAPlainWindowsLayoutThatExists) {
    const struct {
        KnownFolder folder;
        const char16_t* path;
    } defaults[] = {
        {KnownFolder::ProgramFiles, u"C:\\Program Files (x86)"},
        {KnownFolder::Desktop, u"C:\\users\\tester\\Desktop"},
        {KnownFolder::Documents, u"C:\\users\\tester\\Documents"},
        {KnownFolder::Startup,
         u"C:\\users\\tester\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
        {KnownFolder::CommonPrograms, u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"},
        {KnownFolder::Windows, u"C:\\windows"},
        {KnownFolder::System, u"C:\\windows\\system32"},
        {KnownFolder::SystemWindows, u"C:\\windows"},
        {KnownFolder::Temp, u"C:\\users\\tester\\Temp"},
        {KnownFolder::Profile, u"C:\\users\\tester"},
    };
    for (const auto& entry : defaults) {
        EXPECT_EQ(Known(entry.folder), entry.path);
        EXPECT_EQ(os::GetPathKind(entry.path), os::PathKind::Folder) << Host(entry.path);
    }
    // Making the machine is not work of the code under test.
    EXPECT_EQ(os::fake::CallCount(os::fake::Operation::CreateFolder), 0);
}

TEST_F(FakeMachineTest, SetKnownFolderAndFailKnownFolderLastUntilSetRoot) {
    os::fake::SetKnownFolder(KnownFolder::ProgramFiles, u"D:\\Apps");
    EXPECT_EQ(Known(KnownFolder::ProgramFiles), u"D:\\Apps");

    os::fake::FailKnownFolder(KnownFolder::Desktop);
    os::Path path = u"untouched";
    EXPECT_FALSE(os::GetKnownFolder(KnownFolder::Desktop, &path));
    EXPECT_FALSE(os::GetKnownSubfolder(KnownFolder::Desktop, u"Sub", &path));
    EXPECT_EQ(path, u"untouched");
    EXPECT_FALSE(HostExists(u"C:\\users\\tester\\Desktop\\Sub"));
    // Other folders are not affected.
    EXPECT_EQ(Known(KnownFolder::Documents), u"C:\\users\\tester\\Documents");

    // Setting a failing folder makes it answer again.
    os::fake::SetKnownFolder(KnownFolder::Desktop, u"C:\\Desk");
    EXPECT_EQ(Known(KnownFolder::Desktop), u"C:\\Desk");

    os::fake::FailKnownFolder(KnownFolder::Temp);
    os::fake::SetRoot(root_);
    EXPECT_EQ(Known(KnownFolder::ProgramFiles), u"C:\\Program Files (x86)");
    EXPECT_EQ(Known(KnownFolder::Desktop), u"C:\\users\\tester\\Desktop");
    EXPECT_EQ(Known(KnownFolder::Temp), u"C:\\users\\tester\\Temp");
}

TEST_F(FakeMachineTest, GetKnownSubfolderCreatesEveryLevel) {
    os::Path path;
    ASSERT_TRUE(os::GetKnownSubfolder(KnownFolder::ProgramFiles, u"Vendor\\Product", &path));
    EXPECT_EQ(path, u"C:\\Program Files (x86)\\Vendor\\Product");
    EXPECT_EQ(os::GetPathKind(path), os::PathKind::Folder);
    EXPECT_EQ(os::fake::CallCount(os::fake::Operation::CreateFolder), 2);

    // Existing folders are fine; a trailing backslash is not returned.
    ASSERT_TRUE(os::GetKnownSubfolder(KnownFolder::ProgramFiles, u"Vendor\\", &path));
    EXPECT_EQ(path, u"C:\\Program Files (x86)\\Vendor");
    ASSERT_TRUE(os::GetKnownSubfolder(KnownFolder::CommonPrograms, u"", &path));
    EXPECT_EQ(path, u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");

    // The base itself is made when it is missing.
    os::fake::SetKnownFolder(KnownFolder::Documents, u"C:\\Elsewhere\\Docs");
    ASSERT_TRUE(os::GetKnownSubfolder(KnownFolder::Documents, u"MQL", &path));
    EXPECT_EQ(os::GetPathKind(u"C:\\Elsewhere\\Docs\\MQL"), os::PathKind::Folder);

    // A file in the way makes it fail.
    WriteHostFile(u"C:\\Program Files (x86)\\Taken", "");
    EXPECT_FALSE(os::GetKnownSubfolder(KnownFolder::ProgramFiles, u"Taken\\Sub", &path));
}

}  // namespace
