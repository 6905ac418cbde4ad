// A file's stream waiting for its turn: memory up to the limit, then a temporary file, and
// the bytes come out in the order they went in.
#include "package/pending_stream.h"

#include "tests/unit/package/package_fixture.h"

namespace {

using package::PendingStream;
using package::StreamBlock;

StreamBlock Block(size_t size, uint32_t seed) {
    const std::string bytes = PatternBytes(size, seed);
    return StreamBlock(bytes.begin(), bytes.end());
}

std::string Text(const StreamBlock& block) {
    return std::string(block.begin(), block.end());
}

class PendingStreamTest : public PackageTest {
  protected:
    // Takes what is in memory and then the temporary file, as the writer does.
    std::string Drain(PendingStream& stream) {
        std::deque<StreamBlock> blocks;
        stream.TakeBlocks(&blocks);
        std::string bytes;
        for (const StreamBlock& block : blocks) bytes += Text(block);
        EXPECT_TRUE(stream.FinishSpill());
        os::File output;
        EXPECT_TRUE(output.Create(copy_));
        EXPECT_TRUE(stream.CopySpillTo(output));
        output.Close();
        return bytes + Read(copy_);
    }

    const os::Path spill_ = u"C:\\out\\setup.exe.3.tmp";
    const os::Path copy_ = u"C:\\out\\copy.bin";
};

TEST_F(PendingStreamTest, BlocksWithinTheLimitStayInMemory) {
    PendingStream stream(spill_, 1000);
    ASSERT_TRUE(stream.Add(Block(600, 1), false));
    ASSERT_TRUE(stream.Add(Block(400, 2), false));
    EXPECT_EQ(stream.MemoryBytes(), 1000u);
    EXPECT_FALSE(stream.Spilled());
    EXPECT_FALSE(Exists(spill_));
    EXPECT_EQ(Drain(stream), Text(Block(600, 1)) + Text(Block(400, 2)));
    EXPECT_EQ(stream.MemoryBytes(), 0u);
}

TEST_F(PendingStreamTest, PastTheLimitTheRestGoesToTheTemporaryFileInOrder) {
    PendingStream stream(spill_, 1000);
    ASSERT_TRUE(stream.Add(Block(700, 1), false));
    ASSERT_TRUE(stream.Add(Block(700, 2), false));  // would pass the limit
    EXPECT_TRUE(stream.Spilled());
    EXPECT_EQ(stream.MemoryBytes(), 700u);
    EXPECT_TRUE(Exists(spill_));
    // Small enough for memory, but it must follow the spilled block.
    ASSERT_TRUE(stream.Add(Block(10, 3), false));
    EXPECT_EQ(stream.MemoryBytes(), 700u);

    EXPECT_EQ(Drain(stream), Text(Block(700, 1)) + Text(Block(700, 2)) + Text(Block(10, 3)));
    EXPECT_FALSE(Exists(spill_));
}

TEST_F(PendingStreamTest, AStreamTheWriterTakesAsItComesNeverSpills) {
    PendingStream stream(spill_, 1000);
    ASSERT_TRUE(stream.Add(Block(5000, 1), true));
    ASSERT_TRUE(stream.Add(Block(5000, 2), true));
    EXPECT_FALSE(stream.Spilled());
    EXPECT_FALSE(Exists(spill_));
    EXPECT_TRUE(stream.WouldPassLimit(1));
    EXPECT_EQ(Drain(stream), Text(Block(5000, 1)) + Text(Block(5000, 2)));
}

TEST_F(PendingStreamTest, ALeftoverTemporaryFileGoesWithTheStream) {
    {
        PendingStream stream(spill_, 10);
        ASSERT_TRUE(stream.Add(Block(100, 1), false));
        EXPECT_TRUE(Exists(spill_));
    }
    EXPECT_FALSE(Exists(spill_));
}

TEST_F(PendingStreamTest, ATemporaryFileThatCannotBeWrittenIsReported) {
    PendingStream stream(u"C:\\no such folder\\setup.exe.0.tmp", 10);
    EXPECT_FALSE(stream.Add(Block(100, 1), false));

    PendingStream failing(spill_, 10);
    os::fake::ClearFaults();
    os::fake::FailNth(os::fake::Operation::Write, 1);
    EXPECT_FALSE(failing.Add(Block(100, 1), false));
}

}  // namespace
