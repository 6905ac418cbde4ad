#include <algorithm>
#include <vector>

#include "os/os.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using os::PathKind;

std::vector<std::pair<std::u16string, bool>> Listing(const os::Path& folder) {
    std::vector<os::FolderEntry> entries;
    EXPECT_TRUE(os::ListFolder(folder, &entries));
    std::vector<std::pair<std::u16string, bool>> names;
    for (const os::FolderEntry& entry : entries) names.emplace_back(entry.name, entry.isFolder);
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FakeMachineTest, PathKinds) {
    WriteHostFile(u"C:\\file.txt", "x");
    EXPECT_EQ(os::GetPathKind(u"C:\\file.txt"), PathKind::File);
    EXPECT_EQ(os::GetPathKind(u"C:\\windows"), PathKind::Folder);
    EXPECT_EQ(os::GetPathKind(u"C:\\windows\\"), PathKind::Folder);
    EXPECT_EQ(os::GetPathKind(u"C:\\nothing"), PathKind::Missing);
    EXPECT_EQ(os::GetPathKind(u"C:\\nothing\\below"), PathKind::Missing);
    // A path through a file is missing too, not unknown.
    EXPECT_EQ(os::GetPathKind(u"C:\\file.txt\\below"), PathKind::Missing);
    EXPECT_EQ(os::GetPathKind(u"Q:\\"), PathKind::Missing);
}

TEST_F(FakeMachineTest, CreateFolderMakesExactlyOneLevel) {
    EXPECT_FALSE(os::CreateFolder(u"C:\\a\\b"));
    EXPECT_FALSE(HostExists(u"C:\\a"));
    EXPECT_TRUE(os::CreateFolder(u"C:\\a"));
    EXPECT_TRUE(os::CreateFolder(u"C:\\a\\b"));
    EXPECT_EQ(os::GetPathKind(u"C:\\a\\b"), PathKind::Folder);
    // An existing folder cannot be created again.
    EXPECT_FALSE(os::CreateFolder(u"C:\\a"));
}

TEST_F(FakeMachineTest, CreateFolderTreeMakesEveryMissingLevel) {
    EXPECT_TRUE(os::CreateFolderTree(u"C:\\Program Files (x86)\\Vendor\\Product\\bin\\"));
    EXPECT_EQ(os::GetPathKind(u"C:\\Program Files (x86)\\Vendor\\Product\\bin"), PathKind::Folder);
    // Existing is fine.
    EXPECT_TRUE(os::CreateFolderTree(u"C:\\Program Files (x86)\\Vendor"));
    // A drive that the machine does not have yet comes into being like any folder.
    EXPECT_TRUE(os::CreateFolderTree(u"E:\\x"));
    EXPECT_EQ(os::GetPathKind(u"E:\\x"), PathKind::Folder);

    WriteHostFile(u"C:\\blocker", "");
    EXPECT_FALSE(os::CreateFolderTree(u"C:\\blocker\\sub"));
    EXPECT_EQ(os::GetPathKind(u"C:\\blocker"), PathKind::File);
    EXPECT_FALSE(os::CreateFolderTree(u""));
}

TEST_F(FakeMachineTest, ListFolderGivesDirectEntriesWithoutDots) {
    ASSERT_TRUE(os::CreateFolderTree(u"C:\\list\\sub\\deeper"));
    WriteHostFile(u"C:\\list\\one.txt", "1");
    WriteHostFile(u"C:\\list\\two.ini", "2");
    using Entry = std::pair<std::u16string, bool>;
    EXPECT_EQ(Listing(u"C:\\list"),
              (std::vector<Entry>{{u"one.txt", false}, {u"sub", true}, {u"two.ini", false}}));
    EXPECT_EQ(Listing(u"C:\\list\\sub\\deeper"), std::vector<Entry>{});

    std::vector<os::FolderEntry> entries;
    EXPECT_FALSE(os::ListFolder(u"C:\\missing", &entries));
    EXPECT_FALSE(os::ListFolder(u"C:\\list\\one.txt", &entries));
}

TEST_F(FakeMachineTest, DeleteFileAndRemoveFolderEachTakeTheirOwnKind) {
    ASSERT_TRUE(os::CreateFolder(u"C:\\box"));
    WriteHostFile(u"C:\\box\\item.txt", "x");
    EXPECT_FALSE(os::RemoveFolder(u"C:\\box"));  // not empty
    EXPECT_FALSE(os::DeleteFile(u"C:\\box"));    // a folder is not a file
    EXPECT_FALSE(os::RemoveFolder(u"C:\\box\\item.txt"));
    EXPECT_TRUE(os::DeleteFile(u"C:\\box\\item.txt"));
    EXPECT_FALSE(os::DeleteFile(u"C:\\box\\item.txt"));
    EXPECT_TRUE(os::RemoveFolder(u"C:\\box"));
    EXPECT_EQ(os::GetPathKind(u"C:\\box"), PathKind::Missing);
}

TEST_F(FakeMachineTest, MoveReplaceReplacesTheTarget) {
    WriteHostFile(u"C:\\new.tmp", "new content");
    WriteHostFile(u"C:\\target.ini", "old");
    ASSERT_TRUE(os::MoveReplace(u"C:\\new.tmp", u"C:\\target.ini"));
    EXPECT_EQ(ReadHostFile(u"C:\\target.ini"), "new content");
    EXPECT_EQ(os::GetPathKind(u"C:\\new.tmp"), PathKind::Missing);

    // Moving to a new name works too; a missing source leaves the target alone.
    ASSERT_TRUE(os::MoveReplace(u"C:\\target.ini", u"C:\\windows\\moved.ini"));
    EXPECT_EQ(ReadHostFile(u"C:\\windows\\moved.ini"), "new content");
    EXPECT_FALSE(os::MoveReplace(u"C:\\gone.tmp", u"C:\\windows\\moved.ini"));
    EXPECT_EQ(ReadHostFile(u"C:\\windows\\moved.ini"), "new content");
    // A file cannot replace a folder.
    WriteHostFile(u"C:\\f.txt", "f");
    EXPECT_FALSE(os::MoveReplace(u"C:\\f.txt", u"C:\\windows"));
    EXPECT_EQ(os::GetPathKind(u"C:\\windows"), PathKind::Folder);
}

}  // namespace
