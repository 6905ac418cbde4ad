#include <cerrno>
#include <cstring>

#include "base/text.h"
#include "os/os.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using os::fake::CallCount;
using os::fake::FailNth;
using os::fake::Operation;

TEST_F(FakeMachineTest, TheNthCallFailsOnceAndTheOthersSucceed) {
    FailNth(Operation::Open, 2);
    os::File file;
    EXPECT_TRUE(file.Create(u"C:\\a.txt"));
    EXPECT_FALSE(file.Create(u"C:\\b.txt"));
    EXPECT_EQ(os::LastErrorMessage(), text::FromUtf8(std::strerror(EIO)));
    EXPECT_FALSE(HostExists(u"C:\\b.txt"));
    EXPECT_TRUE(file.OpenRead(u"C:\\a.txt"));
    EXPECT_TRUE(file.Create(u"C:\\b.txt"));
    EXPECT_EQ(CallCount(Operation::Open), 4);

    // n counts from now, not from the last ClearFaults.
    FailNth(Operation::Open, 1);
    EXPECT_FALSE(file.OpenRead(u"C:\\a.txt"));
    EXPECT_TRUE(file.OpenRead(u"C:\\a.txt"));
    // Nonsense plans are ignored.
    FailNth(Operation::Open, 0);
    FailNth(Operation::Open, -3);
    EXPECT_TRUE(file.OpenRead(u"C:\\a.txt"));
}

TEST_F(FakeMachineTest, FileOperationsAreCountedAndFailOnPlan) {
    os::File file;
    ASSERT_TRUE(file.Create(u"C:\\f.bin"));
    FailNth(Operation::Write, 2);
    EXPECT_TRUE(file.Write("ab", 2));
    EXPECT_FALSE(file.Write("cd", 2));
    EXPECT_EQ(file.Size(), 2);  // the failed write wrote nothing
    FailNth(Operation::Seek, 1);
    EXPECT_FALSE(file.Seek(0, os::SeekOrigin::Begin));
    EXPECT_EQ(file.Position(), 2);
    ASSERT_TRUE(file.OpenRead(u"C:\\f.bin"));
    FailNth(Operation::Read, 1);
    char buffer[4];
    uint32_t done = 5;
    EXPECT_FALSE(file.Read(buffer, sizeof buffer, &done));
    EXPECT_EQ(done, 0u);
    EXPECT_TRUE(file.Read(buffer, sizeof buffer, &done));
    EXPECT_EQ(done, 2u);
    EXPECT_EQ(CallCount(Operation::Write), 2);
    EXPECT_EQ(CallCount(Operation::Seek), 1);
    EXPECT_EQ(CallCount(Operation::Read), 2);
    // Position, Size and a closed file's calls are not operations of the plan.
    EXPECT_EQ(CallCount(Operation::Open), 2);
}

TEST_F(FakeMachineTest, EachLevelOfAFolderTreeIsOneCreateFolderCall) {
    ASSERT_TRUE(os::CreateFolder(u"C:\\top"));
    EXPECT_EQ(CallCount(Operation::CreateFolder), 1);
    ASSERT_TRUE(os::CreateFolderTree(u"C:\\top\\a\\b\\c"));
    EXPECT_EQ(CallCount(Operation::CreateFolder), 4);  // existing levels cost nothing

    FailNth(Operation::CreateFolder, 2);
    EXPECT_FALSE(os::CreateFolderTree(u"C:\\top\\x\\y\\z"));
    EXPECT_EQ(os::GetPathKind(u"C:\\top\\x"), os::PathKind::Folder);
    EXPECT_EQ(os::GetPathKind(u"C:\\top\\x\\y"), os::PathKind::Missing);

    os::Path path;
    FailNth(Operation::CreateFolder, 1);
    EXPECT_FALSE(os::GetKnownSubfolder(os::KnownFolder::ProgramFiles, u"P", &path));
    EXPECT_TRUE(os::GetKnownSubfolder(os::KnownFolder::ProgramFiles, u"P", &path));
}

TEST_F(FakeMachineTest, MovesAndDeletesAreCountedAndFailOnPlan) {
    WriteHostFile(u"C:\\a.txt", "a");
    ASSERT_TRUE(os::CreateFolder(u"C:\\empty"));
    FailNth(Operation::Move, 1);
    EXPECT_FALSE(os::MoveReplace(u"C:\\a.txt", u"C:\\b.txt"));
    EXPECT_EQ(ReadHostFile(u"C:\\a.txt"), "a");
    EXPECT_TRUE(os::MoveReplace(u"C:\\a.txt", u"C:\\b.txt"));
    EXPECT_EQ(CallCount(Operation::Move), 2);

    // DeleteFile and RemoveFolder share one count.
    FailNth(Operation::Delete, 1);
    FailNth(Operation::Delete, 3);
    EXPECT_FALSE(os::DeleteFile(u"C:\\b.txt"));
    EXPECT_TRUE(os::DeleteFile(u"C:\\b.txt"));
    EXPECT_FALSE(os::RemoveFolder(u"C:\\empty"));
    EXPECT_TRUE(os::RemoveFolder(u"C:\\empty"));
    EXPECT_EQ(CallCount(Operation::Delete), 4);
}

TEST_F(FakeMachineTest, ClearFaultsForgetsCountsAndPlans) {
    os::File file;
    FailNth(Operation::Open, 2);
    ASSERT_TRUE(file.Create(u"C:\\a.txt"));
    os::fake::ClearFaults();
    EXPECT_EQ(CallCount(Operation::Open), 0);
    EXPECT_TRUE(file.Create(u"C:\\a.txt"));
    EXPECT_TRUE(file.Create(u"C:\\a.txt"));
    EXPECT_EQ(CallCount(Operation::Open), 2);
}

}  // namespace
