// Failures of the machine while packing and extracting: each gives its code, and no file is
// left looking complete when it is not.
#include "tests/unit/package/package_fixture.h"

namespace {

using os::fake::Operation;

class FailureTest : public PackageTest {
  protected:
    void TwoFiles(CSelfExtractor& extractor) {
        AddFile(extractor, u"one.txt", PatternBytes(20000, 1));
        AddFile(extractor, u"two.txt", PatternBytes(20000, 2));
    }
    int32_t Create(CSelfExtractor& extractor, const os::Path& target,
                   std::vector<Event>* events = nullptr) {
        const std::string stub = StubBytes();
        return extractor.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()), target,
                                     events ? RecordEvent : nullptr,
                                     reinterpret_cast<intptr_t>(events));
    }
    const os::Path target_ = u"C:\\out\\setup.exe";
};

TEST_F(FailureTest, NoFilesCreatesNothing) {
    CSelfExtractor extractor;
    EXPECT_EQ(Create(extractor, target_), SFX_ERR_NO_FILES);
    EXPECT_FALSE(Exists(target_));
}

TEST_F(FailureTest, TargetThatCannotBeCreated) {
    CSelfExtractor extractor;
    TwoFiles(extractor);
    EXPECT_EQ(Create(extractor, u"C:\\no such folder\\setup.exe"), SFX_ERR_WRITE);
}

TEST_F(FailureTest, SourceDeletedAfterAddFileStopsAtThatRecord) {
    CSelfExtractor extractor;
    TwoFiles(extractor);
    ASSERT_TRUE(os::DeleteFile(sourceFolder_ + u"two.txt"));
    std::vector<Event> events;
    EXPECT_EQ(Create(extractor, target_, &events), SFX_ERR_READ);
    const std::vector<Event> files = FileEventsOnly(events);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[1].event, SFX_FILE_DONE);
    EXPECT_EQ(files[1].name, u"one.txt");
    // An incomplete setup is not left behind.
    EXPECT_FALSE(Exists(target_));
}

TEST_F(FailureTest, WriteErrorWhilePackingOrInTheTrailer) {
    // Count the writes of a good run, then fail each one in turn.
    CSelfExtractor extractor;
    TwoFiles(extractor);
    os::fake::ClearFaults();
    ASSERT_EQ(Create(extractor, target_), SFX_OK);
    const int writes = os::fake::CallCount(Operation::Write);
    ASSERT_GT(writes, 3);
    for (int n = 1; n <= writes; ++n) {
        os::fake::ClearFaults();
        os::fake::FailNth(Operation::Write, n);
        EXPECT_EQ(Create(extractor, target_), SFX_ERR_WRITE) << "write " << n;
        EXPECT_FALSE(Exists(target_)) << "write " << n;
    }
}

TEST_F(FailureTest, ReadErrorOfASourceIsAFileError) {
    CSelfExtractor extractor;
    TwoFiles(extractor);
    os::fake::ClearFaults();
    os::fake::FailNth(Operation::Read, 2);
    EXPECT_EQ(Create(extractor, target_), SFX_ERR_WRITE);
    EXPECT_FALSE(Exists(target_));
}

TEST_F(FailureTest, ReaderCodes) {
    CSelfExtractor reader;
    EXPECT_EQ(reader.ReadTrailer(u"C:\\out\\missing.exe"), SFX_ERR_OPEN);
    MakeFile(u"C:\\out\\tiny.exe", "MZ");
    EXPECT_EQ(reader.ReadTrailer(u"C:\\out\\tiny.exe"), SFX_ERR_SIGNATURE);
    MakeFile(u"C:\\out\\plain.exe", StubBytes());
    EXPECT_EQ(reader.ReadTrailer(u"C:\\out\\plain.exe"), SFX_ERR_SIGNATURE);

    reader.SetModulePath(u"C:\\out\\missing.exe");
    EXPECT_EQ(reader.ExtractByIndex(0, u"C:\\dest\\"), SFX_ERR_OPEN);

    // The package is read, but opening it again for extraction fails.
    CSelfExtractor writer;
    TwoFiles(writer);
    ASSERT_EQ(Create(writer, target_), SFX_OK);
    reader.SetModulePath(target_);
    os::fake::ClearFaults();
    os::fake::FailNth(Operation::Open, 2);
    EXPECT_EQ(reader.ExtractByIndex(0, u"C:\\dest\\"), SFX_ERR_READ);
}

TEST_F(FailureTest, ExtractionErrorsDeleteThePartialFile) {
    CSelfExtractor writer;
    TwoFiles(writer);
    ASSERT_EQ(Create(writer, target_), SFX_OK);
    CSelfExtractor reader;
    reader.SetModulePath(target_);

    os::fake::ClearFaults();
    os::fake::FailNth(Operation::Write, 2);
    EXPECT_EQ(reader.ExtractByIndex(1, u"C:\\dest\\"), SFX_ERR_WRITE);
    EXPECT_FALSE(Exists(u"C:\\dest\\two.txt"));

    // The package read fails while the stream is inflated.
    os::fake::ClearFaults();
    const int readsForTrailer = [&] {
        CSelfExtractor probe;
        probe.ReadTrailer(target_);
        return os::fake::CallCount(Operation::Read);
    }();
    os::fake::ClearFaults();
    os::fake::FailNth(Operation::Read, readsForTrailer + 2);
    EXPECT_EQ(reader.ExtractByIndex(1, u"C:\\dest\\"), SFX_ERR_WRITE);
    EXPECT_FALSE(Exists(u"C:\\dest\\two.txt"));

    // A file that cannot be created.
    os::fake::ClearFaults();
    MakeFile(u"C:\\dest\\one.txt\\blocker", "");
    EXPECT_EQ(reader.ExtractByIndex(0, u"C:\\dest\\"), SFX_ERR_WRITE);
}

}  // namespace
