// Checking a packaged file without writing it: what VerifyFile finds in sound and in damaged
// streams, and that it leaves nothing behind.
#include <filesystem>
#include <functional>

#include "tests/unit/package/package_fixture.h"

namespace {

using package::StreamState;

class VerifyFileTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        CSelfExtractor writer;
        AddFile(writer, u"first.bin", PatternBytes(20000, 1));
        AddFile(writer, u"empty.bin", "");
        AddFile(writer, u"last.bin", PatternBytes(3000, 3));
        CreateSetup(writer, kSetup);
        bytes_ = Read(kSetup);
        ASSERT_EQ(reader_.ReadTrailer(kSetup), SFX_OK);
        first_ = *reader_.GetFileRecord(0);
    }

    // The state of record `index` after `change` was made to the setup's bytes; the trailer is
    // read again, so changed sizes count.
    StreamState StateAfter(int32_t index, const std::function<void(std::string&)>& change) {
        std::string bytes = bytes_;
        change(bytes);
        MakeFile(kDamaged, bytes);
        CSelfExtractor reader;
        if (reader.ReadTrailer(kDamaged) != SFX_OK) {
            ADD_FAILURE() << "the change broke the trailer";
            return StreamState::Sound;
        }
        os::File file;
        EXPECT_TRUE(file.OpenRead(kDamaged));
        return reader.VerifyFile(file, index);
    }

    // Where record `index`'s uncompressedSize lies (compressedSize follows): the file table
    // starts right after the last stream.
    size_t SizesAt(int32_t index) const {
        size_t at = static_cast<size_t>(reader_.GetFileRecord(2)->offset +
                                        reader_.GetFileRecord(2)->compressedSize);
        for (int32_t i = 0; i < index; ++i) {
            at += 12;
            const FileRecord& r = *reader_.GetFileRecord(i);
            for (const auto field : kRecordTexts) at += 4 + 2 * (r.*field).size();
        }
        return at + 4;
    }

    const os::Path kSetup = u"C:\\out\\setup.exe";
    const os::Path kDamaged = u"C:\\out\\damaged.exe";
    std::string bytes_;
    CSelfExtractor reader_;
    FileRecord first_;
};

TEST_F(VerifyFileTest, ASoundPackageChecksWholeAndWritesNothing) {
    const auto before = std::distance(std::filesystem::recursive_directory_iterator(Host(u"C:\\")),
                                      std::filesystem::recursive_directory_iterator());
    os::File file;
    ASSERT_TRUE(file.OpenRead(kSetup));
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(reader_.VerifyFile(file, i), StreamState::Sound) << i;
    EXPECT_EQ(reader_.VerifyFile(file, 3), StreamState::Unreadable) << "no such record";
    const auto after = std::distance(std::filesystem::recursive_directory_iterator(Host(u"C:\\")),
                                     std::filesystem::recursive_directory_iterator());
    EXPECT_EQ(before, after);
}

TEST_F(VerifyFileTest, ReportsProgressThroughItsOwnCallbackOnly) {
    std::vector<Event> events;
    os::File file;
    ASSERT_TRUE(file.OpenRead(kSetup));
    ASSERT_EQ(reader_.VerifyFile(file, 0, RecordEvent, reinterpret_cast<intptr_t>(&events)),
              StreamState::Sound);
    ASSERT_FALSE(events.empty());
    int32_t previous = 0;
    for (const Event& e : events) {
        EXPECT_EQ(e.event, SFX_PROGRESS);
        EXPECT_GE(e.percent, previous);
        EXPECT_LE(e.percent, 100);
        previous = e.percent;
    }

    // A later extraction reports to the callback it is given, not to the check's.
    events.clear();
    std::vector<Event> extracted;
    reader_.SetModulePath(kSetup);
    ASSERT_EQ(reader_.ExtractAll(u"C:\\out\\all", RecordEvent,
                                 reinterpret_cast<intptr_t>(&extracted), nullptr),
              SFX_OK);
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(extracted.empty());
}

TEST_F(VerifyFileTest, TellsEachKindOfDamage) {
    const size_t middle = static_cast<size_t>(first_.offset + first_.compressedSize / 2);
    EXPECT_FALSE(package::EndedWhole(StateAfter(0, [&](std::string& b) { b[middle] ^= 0x10; })));
    // The last four bytes of a stream are its Adler-32.
    const size_t checksum = static_cast<size_t>(first_.offset + first_.compressedSize - 1);
    EXPECT_EQ(StateAfter(0, [&](std::string& b) { b[checksum] ^= 0x01; }), StreamState::Corrupt);

    const size_t sizes = SizesAt(0);
    EXPECT_EQ(StateAfter(0, [&](std::string& b) { SetI32At(&b, sizes, 19999); }),
              StreamState::TooLong);
    EXPECT_EQ(StateAfter(0, [&](std::string& b) { SetI32At(&b, sizes, 20001); }),
              StreamState::TooShort);
    EXPECT_EQ(
        StateAfter(0, [&](std::string& b) { SetI32At(&b, sizes + 4, first_.compressedSize + 1); }),
        StreamState::LengthMismatch);
    EXPECT_EQ(
        StateAfter(0, [&](std::string& b) { SetI32At(&b, sizes + 4, first_.compressedSize - 1); }),
        StreamState::LengthMismatch);
}

TEST_F(VerifyFileTest, ExtractionStillTakesAStreamWhoseSizesAloneAreWrong) {
    // Only a check of the package is strict about the stored sizes; a stream that ends whole
    // with its checksum extracts as before.
    std::string bytes = bytes_;
    SetI32At(&bytes, SizesAt(0), 20001);
    MakeFile(kDamaged, bytes);
    CSelfExtractor reader;
    reader.SetModulePath(kDamaged);
    EXPECT_EQ(reader.ExtractByIndex(0, u"C:\\out\\x"), SFX_OK);
    EXPECT_EQ(Read(u"C:\\out\\x\\first.bin"), PatternBytes(20000, 1));

    bytes = bytes_;
    bytes[static_cast<size_t>(first_.offset + 10)] ^= 0x10;
    MakeFile(kDamaged, bytes);
    EXPECT_EQ(reader.ExtractByIndex(0, u"C:\\out\\y"), SFX_ERR_WRITE);
    EXPECT_FALSE(Exists(u"C:\\out\\y\\first.bin"));
}

}  // namespace
