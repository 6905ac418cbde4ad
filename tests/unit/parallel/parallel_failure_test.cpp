// Failures while packing in parallel end as the single-threaded writer ends them: the same
// code, no target left behind, and no temporary file either.
#include "base/text.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using os::fake::Operation;

class ParallelFailureTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        for (int i = 0; i < 6; ++i) {
            AddFile(extractor_, u"file" + text::FromInt(i) + u".bin",
                    PatternBytes(40000 + 30000 * i, i));
        }
    }
    int32_t Create(package::PackingLimits limits, std::vector<Event>* events = nullptr) {
        limits.threads = 2;
        extractor_.SetPackingLimits(limits);
        const std::string stub = StubBytes();
        return extractor_.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()), target_,
                                      events ? RecordEvent : nullptr,
                                      reinterpret_cast<intptr_t>(events));
    }
    int32_t Create(std::vector<Event>* events = nullptr) {
        return Create(package::DefaultPackingLimits(2), events);
    }
    // No temporary file remains, nor a setup unless it was built.
    void ExpectNothingLeft(const std::string& trace, bool built = false) {
        std::vector<os::FolderEntry> entries;
        ASSERT_TRUE(os::ListFolder(u"C:\\out", &entries));
        for (const os::FolderEntry& entry : entries) {
            if (built && entry.name == u"setup.exe") continue;
            ADD_FAILURE() << trace << ": left " << text::ToUtf8(entry.name);
        }
    }

    CSelfExtractor extractor_;
    const os::Path target_ = u"C:\\out\\setup.exe";
};

TEST_F(ParallelFailureTest, ASourceMissingAtPackTimeStopsAtItsRecordWithReadError) {
    for (const int missing : {0, 3, 5}) {
        const os::Path source = sourceFolder_ + u"file" + text::FromInt(missing) + u".bin";
        const std::string bytes = Read(source);
        ASSERT_TRUE(os::DeleteFile(source));
        std::vector<Event> events;
        EXPECT_EQ(Create(&events), SFX_ERR_READ) << missing;
        // The files before it were packed, in order, and nothing after it was started.
        const std::vector<Event> files = FileEventsOnly(events);
        ASSERT_EQ(files.size(), 2u * missing);
        for (int i = 0; i < missing; ++i) {
            EXPECT_EQ(files[2 * i].event, SFX_FILE_START);
            EXPECT_EQ(files[2 * i + 1].event, SFX_FILE_DONE);
            EXPECT_EQ(files[2 * i + 1].name, u"file" + text::FromInt(i) + u".bin");
        }
        ExpectNothingLeft("missing " + std::to_string(missing));
        MakeFile(source, bytes);
    }
}

TEST_F(ParallelFailureTest, EveryWriteThatFailsEndsWithWriteError) {
    // Without temporary files the writes are the same in every run: count them, then fail
    // each in turn.
    os::fake::ClearFaults();
    ASSERT_EQ(Create(), SFX_OK);
    const int writes = os::fake::CallCount(Operation::Write);
    ASSERT_GT(writes, 8);
    for (int n = 1; n <= writes; ++n) {
        os::fake::ClearFaults();
        os::fake::FailNth(Operation::Write, n);
        EXPECT_EQ(Create(), SFX_ERR_WRITE) << "write " << n;
        ExpectNothingLeft("write " + std::to_string(n));
    }
}

TEST_F(ParallelFailureTest, WritesOfTemporaryFilesThatFailEndWithWriteError) {
    // With a small memory limit some streams go through temporary files; which writes those
    // are depends on timing, so every failure must be a write error and leave nothing.
    package::PackingLimits small = package::DefaultPackingLimits(2);
    small.memoryPerFile = 8 * 1024;
    os::fake::ClearFaults();
    ASSERT_EQ(Create(small), SFX_OK);
    const int writes = os::fake::CallCount(Operation::Write);
    int failed = 0;
    for (int n = 1; n <= writes; ++n) {
        os::fake::ClearFaults();
        os::fake::FailNth(Operation::Write, n);
        const int32_t result = Create(small);
        if (result != SFX_OK) {
            EXPECT_EQ(result, SFX_ERR_WRITE) << "write " << n;
            ++failed;
        }
        ExpectNothingLeft("write " + std::to_string(n), result == SFX_OK);
    }
    // Only a run with fewer writes than the first can miss its fault.
    EXPECT_GT(failed, writes / 2);
}

TEST_F(ParallelFailureTest, ReadAndOpenErrors) {
    // A source that fails to read is a file error, as in the single-threaded writer.
    os::fake::ClearFaults();
    os::fake::FailNth(Operation::Read, 3);
    EXPECT_EQ(Create(), SFX_ERR_WRITE);
    ExpectNothingLeft("read");

    // The first open is the target's; the others are the sources'.
    os::fake::ClearFaults();
    ASSERT_EQ(Create(), SFX_OK);
    const int opens = os::fake::CallCount(Operation::Open);
    ASSERT_EQ(opens, 1 + extractor_.GetFileCount());
    ASSERT_TRUE(os::DeleteFile(target_));
    for (int n = 1; n <= opens; ++n) {
        os::fake::ClearFaults();
        os::fake::FailNth(Operation::Open, n);
        EXPECT_EQ(Create(), n == 1 ? SFX_ERR_WRITE : SFX_ERR_READ) << "open " << n;
        ExpectNothingLeft("open " + std::to_string(n));
    }
}

}  // namespace
