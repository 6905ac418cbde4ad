#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "base/text.h"
#include "os/os.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using os::File;
using os::SeekOrigin;

std::string ReadAll(File* file, uint32_t chunk) {
    std::string bytes;
    std::vector<char> buffer(chunk);
    uint32_t done = 0;
    while (file->Read(buffer.data(), chunk, &done) && done > 0) bytes.append(buffer.data(), done);
    return bytes;
}

TEST_F(FakeMachineTest, FileRoundTripWithSeekPositionAndSize) {
    const os::Path path = u"C:\\data.bin";
    File out;
    ASSERT_TRUE(out.Create(path));
    EXPECT_TRUE(out.IsOpen());
    ASSERT_TRUE(out.Write("hello ", 6));
    ASSERT_TRUE(out.Write("world", 5));
    EXPECT_EQ(out.Position(), 11);
    EXPECT_EQ(out.Size(), 11);
    ASSERT_TRUE(out.Seek(0, SeekOrigin::Begin));
    ASSERT_TRUE(out.Write("J", 1));  // overwrites in place
    EXPECT_EQ(out.Position(), 1);
    EXPECT_TRUE(out.Flush());
    EXPECT_TRUE(out.Close());
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(ReadHostFile(path), "Jello world");

    File in;
    ASSERT_TRUE(in.OpenRead(path));
    EXPECT_EQ(in.Size(), 11);
    char buffer[16] = {};
    uint32_t done = 0;
    ASSERT_TRUE(in.Read(buffer, 5, &done));
    EXPECT_EQ(std::string(buffer, done), "Jello");
    EXPECT_EQ(in.Position(), 5);
    ASSERT_TRUE(in.Seek(-5, SeekOrigin::End));
    EXPECT_EQ(in.Position(), 6);
    ASSERT_TRUE(in.Read(buffer, sizeof buffer, &done));
    EXPECT_EQ(std::string(buffer, done), "world");
    ASSERT_TRUE(in.Seek(-10, SeekOrigin::Current));
    EXPECT_EQ(in.Position(), 1);
    // A position before the start of the file is refused and the position stays.
    EXPECT_FALSE(in.Seek(-2, SeekOrigin::Current));
    EXPECT_EQ(in.Position(), 1);
}

TEST_F(FakeMachineTest, ReadingAtOrPastTheEndGivesZeroBytes) {
    WriteHostFile(u"C:\\short.txt", "abc");
    File in;
    ASSERT_TRUE(in.OpenRead(u"C:\\short.txt"));
    char buffer[8];
    uint32_t done = 99;
    ASSERT_TRUE(in.Read(buffer, sizeof buffer, &done));
    EXPECT_EQ(done, 3u);  // a short read fills what the file has
    ASSERT_TRUE(in.Read(buffer, sizeof buffer, &done));
    EXPECT_EQ(done, 0u);
    ASSERT_TRUE(in.Seek(100, SeekOrigin::Begin));
    EXPECT_EQ(in.Position(), 100);
    ASSERT_TRUE(in.Read(buffer, sizeof buffer, &done));
    EXPECT_EQ(done, 0u);
    EXPECT_EQ(in.Size(), 3);
}

TEST_F(FakeMachineTest, LargeFilesStreamThroughSmallBuffers) {
    std::string bytes(1 << 20, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 4096);
    File out;
    ASSERT_TRUE(out.Create(u"C:\\big.bin"));
    ASSERT_TRUE(out.Write(bytes.data(), static_cast<uint32_t>(bytes.size())));
    ASSERT_TRUE(out.Close());
    File in;
    ASSERT_TRUE(in.OpenRead(u"C:\\big.bin"));
    EXPECT_EQ(in.Size(), static_cast<int64_t>(bytes.size()));
    EXPECT_EQ(ReadAll(&in, 4096), bytes);
}

TEST_F(FakeMachineTest, CreateTruncatesAnExistingFile) {
    WriteHostFile(u"C:\\old.txt", "a much longer old content");
    File out;
    ASSERT_TRUE(out.Create(u"C:\\old.txt"));
    EXPECT_EQ(out.Size(), 0);
    ASSERT_TRUE(out.Write("new", 3));
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(ReadHostFile(u"C:\\old.txt"), "new");
}

TEST_F(FakeMachineTest, OpeningWhatIsNotAReadableFileFails) {
    File file;
    EXPECT_FALSE(file.OpenRead(u"C:\\missing.txt"));
    EXPECT_EQ(os::LastErrorMessage(), text::FromUtf8(std::strerror(ENOENT)));
    EXPECT_FALSE(file.IsOpen());
    // A folder is not a file, as on Windows.
    EXPECT_FALSE(file.OpenRead(u"C:\\windows"));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Create(u"C:\\windows"));
    EXPECT_FALSE(file.Create(u"C:\\no such folder\\x.txt"));
    EXPECT_FALSE(HostExists(u"C:\\no such folder"));
}

TEST_F(FakeMachineTest, AClosedFileRefusesEverything) {
    File file;
    char buffer[4];
    uint32_t done = 7;
    EXPECT_FALSE(file.Read(buffer, sizeof buffer, &done));
    EXPECT_EQ(done, 0u);
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_FALSE(file.Seek(0, SeekOrigin::Begin));
    EXPECT_FALSE(file.Flush());
    EXPECT_EQ(file.Position(), -1);
    EXPECT_EQ(file.Size(), -1);
    EXPECT_TRUE(file.Close());
}

TEST_F(FakeMachineTest, FilesMoveTheirHandle) {
    WriteHostFile(u"C:\\a.txt", "aaa");
    WriteHostFile(u"C:\\b.txt", "bbbb");
    File a;
    ASSERT_TRUE(a.OpenRead(u"C:\\a.txt"));
    File moved(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    EXPECT_EQ(moved.Size(), 3);

    File b;
    ASSERT_TRUE(b.OpenRead(u"C:\\b.txt"));
    moved = std::move(b);  // closes a.txt's handle
    EXPECT_FALSE(b.IsOpen());
    EXPECT_EQ(moved.Size(), 4);

    // Reopening an open file closes the first one.
    ASSERT_TRUE(moved.OpenRead(u"C:\\a.txt"));
    EXPECT_EQ(moved.Size(), 3);
}

}  // namespace
