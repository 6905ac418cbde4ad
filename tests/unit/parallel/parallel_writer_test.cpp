// The parallel writer against the single-threaded one: the same setup byte for byte, the same
// table, the same file events in table order, whatever the threads, window and memory limit.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "base/text.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using package::PackingLimits;

PackingLimits Limits(int32_t threads, int32_t inFlight, uint32_t memoryPerFile) {
    PackingLimits limits;
    limits.threads = threads;
    limits.filesInFlight = inFlight;
    limits.memoryPerFile = memoryPerFile;
    return limits;
}

class ParallelWriterTest : public PackageTest {
  protected:
    // An empty file, small ones, one of zeros, and two whose streams pass 64 KiB.
    void AddMixedSet(CSelfExtractor& extractor) {
        AddFile(extractor, u"empty.txt", "");
        AddFile(extractor, u"one.txt", "1");
        AddFile(extractor, u"large.bin", PatternBytes(700 * 1024, 7));
        AddFile(extractor, u"small.mq4", PatternBytes(3000, 2));
        AddFile(extractor, u"zeros.dat", std::string(1 << 20, '\0'));
        AddFile(extractor, u"medium.ex4", PatternBytes(300 * 1024, 3));
        AddFile(extractor, u"tail.txt", PatternBytes(5000, 4), u"{app}\\");
    }

    // The setup as the single-threaded writer makes it, with its events.
    std::string Reference(std::vector<Event>* events = nullptr) {
        CSelfExtractor extractor;
        AddMixedSet(extractor);
        CreateSetup(extractor, reference_, events);
        return Read(reference_);
    }

    // Files in the output folder besides the setups.
    std::vector<std::u16string> Leftovers() const {
        std::vector<os::FolderEntry> entries;
        EXPECT_TRUE(os::ListFolder(u"C:\\out", &entries));
        std::vector<std::u16string> names;
        for (const os::FolderEntry& entry : entries) {
            if (entry.name != u"setup.exe" && entry.name != u"reference.exe") {
                names.push_back(entry.name);
            }
        }
        return names;
    }

    const os::Path target_ = u"C:\\out\\setup.exe";
    const os::Path reference_ = u"C:\\out\\reference.exe";
};

TEST_F(ParallelWriterTest, WritesTheSameSetupAsTheSingleThreadedWriter) {
    const std::string expected = Reference();
    CSelfExtractor sequential;
    ASSERT_EQ(sequential.ReadTrailer(reference_), SFX_OK);

    // Memory limits below and above the larger streams, windows from tight to wide.
    const PackingLimits cases[] = {
        Limits(2, 8, 1u << 20),   Limits(2, 2, 1u << 20), Limits(3, 8, 16 * 1024),
        Limits(8, 16, 16 * 1024), Limits(2, 1, 4096),
    };
    for (const PackingLimits& limits : cases) {
        SCOPED_TRACE(testing::Message() << limits.threads << " threads, " << limits.filesInFlight
                                        << " in flight, " << limits.memoryPerFile << " bytes");
        CSelfExtractor extractor;
        AddMixedSet(extractor);
        extractor.SetPackingLimits(limits);
        CreateSetup(extractor, target_);
        EXPECT_TRUE(Read(target_) == expected);
        for (int32_t i = 0; i < extractor.GetFileCount(); ++i) {
            const FileRecord& got = *extractor.GetFileRecord(i);
            const FileRecord& want = *sequential.GetFileRecord(i);
            EXPECT_EQ(got.offset, want.offset) << i;
            EXPECT_EQ(got.compressedSize, want.compressedSize) << i;
            EXPECT_EQ(got.uncompressedSize, want.uncompressedSize) << i;
        }
        EXPECT_TRUE(Leftovers().empty());
    }
}

TEST_F(ParallelWriterTest, EventsComeInTableOrderWithTheSameFinalPercentages) {
    std::vector<Event> expected;
    Reference(&expected);

    CSelfExtractor extractor;
    AddMixedSet(extractor);
    extractor.SetPackingLimits(Limits(3, 8, 16 * 1024));
    std::vector<Event> events;
    CreateSetup(extractor, target_, &events);

    const std::vector<Event> files = FileEventsOnly(events);
    const std::vector<Event> expectedFiles = FileEventsOnly(expected);
    ASSERT_EQ(files.size(), expectedFiles.size());
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].event, expectedFiles[i].event) << i;
        EXPECT_EQ(files[i].name, expectedFiles[i].name) << i;
    }

    // Per file, the percentages are some of those the single-threaded writer reports, rising,
    // and end where its do; an empty file reports none.
    const auto percentages = [](const std::vector<Event>& all, const std::u16string& name) {
        std::vector<int32_t> values;
        bool inside = false;
        for (const Event& e : all) {
            if (e.event == SFX_FILE_START) inside = e.name == name;
            if (e.event == SFX_PROGRESS && inside) values.push_back(e.percent);
        }
        return values;
    };
    for (const char16_t* name : {u"empty.txt", u"one.txt", u"large.bin", u"zeros.dat"}) {
        SCOPED_TRACE(text::ToUtf8(name));
        const std::vector<int32_t> got = percentages(events, name);
        const std::vector<int32_t> want = percentages(expected, name);
        ASSERT_EQ(got.empty(), want.empty());
        if (got.empty()) continue;
        EXPECT_EQ(got.back(), want.back());
        for (size_t i = 0; i < got.size(); ++i) {
            if (i > 0) {
                EXPECT_LT(got[i - 1], got[i]);
            }
            EXPECT_NE(std::find(want.begin(), want.end(), got[i]), want.end()) << got[i];
        }
    }
}

// Holds the writer at the first file until the second one's stream has gone to its temporary
// file, so that the spill path is certain to run.
struct HoldFirstFile {
    std::string spillHostPath;
    bool spillSeen = false;
};

void HoldUntilSpilled(int32_t event, const void* data, intptr_t userData) {
    auto& hold = *reinterpret_cast<HoldFirstFile*>(userData);
    if (event != SFX_FILE_START || static_cast<const FileRecord*>(data)->name != u"empty.txt") {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!hold.spillSeen && std::chrono::steady_clock::now() < deadline) {
        hold.spillSeen = std::filesystem::exists(hold.spillHostPath);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TEST_F(ParallelWriterTest, AFileThatWaitsPastTheMemoryLimitGoesThroughATemporaryFile) {
    const std::string expected = Reference();
    CSelfExtractor extractor;
    AddMixedSet(extractor);
    extractor.SetPackingLimits(Limits(2, 8, 16 * 1024));
    HoldFirstFile hold;
    hold.spillHostPath = Host(u"C:\\out\\setup.exe.2.tmp");  // large.bin
    const std::string stub = StubBytes();
    ASSERT_EQ(extractor.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()), target_,
                                    HoldUntilSpilled, reinterpret_cast<intptr_t>(&hold)),
              SFX_OK);
    EXPECT_TRUE(hold.spillSeen);
    EXPECT_TRUE(Read(target_) == expected);
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(ParallelWriterTest, MoreThreadsThanFilesAndASingleFile) {
    CSelfExtractor sequential;
    AddFile(sequential, u"only.bin", PatternBytes(200 * 1024, 9));
    CreateSetup(sequential, reference_);

    CSelfExtractor extractor;
    AddFile(extractor, u"only.bin", PatternBytes(200 * 1024, 9));
    extractor.SetPackingLimits(Limits(16, 32, 4096));
    CreateSetup(extractor, target_);
    EXPECT_TRUE(Read(target_) == Read(reference_));
    EXPECT_TRUE(Leftovers().empty());
}

}  // namespace
