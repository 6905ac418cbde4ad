// The check of the setup's own package before anything is written: its verdicts and its
// progress reports.
#include "installer/package_check.h"

#include "tests/unit/package/package_fixture.h"

namespace {

using installer::CheckPackage;
using installer::PackageCheck;

const os::Path kSetup = u"C:\\out\\setup.exe";

class RecordingProgress : public installer::PackageCheckProgress {
  public:
    void Begin(int64_t totalBytes) override {
        ++begins;
        total = totalBytes;
    }
    void Checked(int64_t doneBytes) override { done.push_back(doneBytes); }

    int begins = 0;
    int64_t total = -1;
    std::vector<int64_t> done;
};

class PackageCheckTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        CSelfExtractor writer;
        AddFile(writer, u"big.bin", PatternBytes(200000, 1));
        AddFile(writer, u"empty.bin", "");
        AddFile(writer, u"small.bin", PatternBytes(100, 2));
        CreateSetup(writer, kSetup);
        reader_.SetModulePath(kSetup);
    }

    int64_t PackedBytes() const {
        int64_t total = 0;
        for (int32_t i = 0; i < reader_.GetFileCount(); ++i) {
            total += reader_.GetFileRecord(i)->compressedSize;
        }
        return total;
    }

    CSelfExtractor reader_;
};

TEST_F(PackageCheckTest, ASoundPackageIsReportedUpToItsWholeSize) {
    RecordingProgress progress;
    ASSERT_EQ(CheckPackage(reader_, &progress), PackageCheck::Sound);
    EXPECT_EQ(reader_.GetFileCount(), 3) << "the table stays read";
    EXPECT_EQ(progress.begins, 1);
    EXPECT_EQ(progress.total, PackedBytes());
    ASSERT_GT(progress.done.size(), 3u) << "the big stream reports as it goes";
    for (size_t i = 1; i < progress.done.size(); ++i) {
        EXPECT_GT(progress.done[i], progress.done[i - 1]) << "each report is news";
    }
    EXPECT_EQ(progress.done.back(), progress.total);
    EXPECT_EQ(CheckPackage(reader_, nullptr), PackageCheck::Sound);
}

TEST_F(PackageCheckTest, AFlippedByteIsDamageAndNoPackageIsNoPackage) {
    ASSERT_EQ(reader_.ReadTrailer(kSetup), SFX_OK);
    const FileRecord small = *reader_.GetFileRecord(2);
    std::string bytes = Read(kSetup);
    bytes[static_cast<size_t>(small.offset + 3)] ^= 0x40;
    MakeFile(kSetup, bytes);
    RecordingProgress progress;
    EXPECT_EQ(CheckPackage(reader_, &progress), PackageCheck::Damaged);
    EXPECT_LT(progress.done.back(), progress.total);

    MakeFile(kSetup, StubBytes());
    EXPECT_EQ(CheckPackage(reader_, &progress), PackageCheck::NoPackage);
    reader_.SetModulePath(u"C:\\out\\missing.exe");
    EXPECT_EQ(CheckPackage(reader_, nullptr), PackageCheck::NoPackage);
}

}  // namespace
