// Signed setups: the certificate table that a signer appends after the package, found through
// crafted PE headers, and a package read, extracted and checked through it.
#include <cstring>

#include "package/signed_end.h"
#include "tests/unit/package/pe_signing.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using namespace petest;

int64_t TableStart(const std::string& file, size_t headerBytes = kHeaderBytes) {
    return package::CertificateTableStart(reinterpret_cast<const uint8_t*>(file.data()),
                                          std::min(headerBytes, file.size()),
                                          static_cast<int64_t>(file.size()));
}

TEST(CertificateTable, IsFoundWhenItEndsTheFile) {
    for (bool plus : {false, true}) {
        std::string file = PeHeaders(plus) + PatternBytes(1000, 1);
        const auto start = static_cast<uint32_t>(file.size());
        file += CertificateTable();
        SetCertificateEntry(&file, start, 64, plus);
        EXPECT_EQ(TableStart(file), start) << (plus ? "PE32+" : "PE32");
    }
}

TEST(CertificateTable, CountsOnlyWhenItIsTheLastThingInTheFile) {
    std::string file = PeHeaders() + PatternBytes(1000, 1);
    const auto start = static_cast<uint32_t>(file.size());
    file += CertificateTable();
    SetCertificateEntry(&file, start, 64);
    EXPECT_EQ(TableStart(file + "more bytes"), -1) << "bytes after the table";
    SetCertificateEntry(&file, start, 63);
    EXPECT_EQ(TableStart(file), -1) << "a size that stops short of the end";
    SetCertificateEntry(&file, start, 65);
    EXPECT_EQ(TableStart(file), -1) << "a size that runs past the end";
    for (uint32_t bogus : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SetCertificateEntry(&file, start, bogus);
        EXPECT_EQ(TableStart(file), -1) << "a bogus size " << bogus;
    }
    SetCertificateEntry(&file, 0xFFFFFFC0u, 64);
    EXPECT_EQ(TableStart(file), -1) << "a table beyond the file";
    SetCertificateEntry(&file, 0, 0);
    EXPECT_EQ(TableStart(file), -1) << "no table";
    SetCertificateEntry(&file, 8, static_cast<uint32_t>(file.size() - 8));
    EXPECT_EQ(TableStart(file), -1) << "a table over the headers";
}

TEST(CertificateTable, IsNotLookedForInWhatIsNoPeImage) {
    std::string file = Sign(PeHeaders() + PatternBytes(100, 2), 0);
    ASSERT_GT(TableStart(file), 0);

    std::string bytes = file;
    bytes[0] = 'X';
    EXPECT_EQ(TableStart(bytes), -1) << "no MZ";
    bytes = file;
    bytes[kPeAt + 1] = 'X';
    EXPECT_EQ(TableStart(bytes), -1) << "no PE signature";
    bytes = file;
    PutU16At(&bytes, kOptionalAt, 0x107);
    EXPECT_EQ(TableStart(bytes), -1) << "an unknown optional header";
    bytes = file;
    PutU32At(&bytes, kOptionalAt + 92, 4);
    EXPECT_EQ(TableStart(bytes), -1) << "only four data directories";
    bytes = file;
    PutU16At(&bytes, kPeAt + 20, 96 + 4 * 8 + 7);
    EXPECT_EQ(TableStart(bytes), -1) << "an optional header that ends inside the entry";
    for (int32_t far : {0x7FFFFFF0, -1, static_cast<int32_t>(kHeaderBytes)}) {
        bytes = file;
        PutU32At(&bytes, 0x3C, static_cast<uint32_t>(far));
        EXPECT_EQ(TableStart(bytes), -1) << "PE header at " << far;
    }
}

TEST(CertificateTable, AHeaderCutShortIsNeverReadPast) {
    const std::string file = Sign(PeHeaders() + PatternBytes(100, 3), 0);
    const size_t needed = CertificateEntryAt() + 8;
    ASSERT_GT(TableStart(file, needed), 0);
    // Each shorter prefix lacks part of what is read; the sanitizers see any read beyond it.
    for (size_t size = 0; size < needed; ++size) {
        std::vector<uint8_t> prefix(file.begin(), file.begin() + size);
        EXPECT_EQ(package::CertificateTableStart(prefix.data(), prefix.size(),
                                                 static_cast<int64_t>(file.size())),
                  -1)
            << size;
    }
    EXPECT_EQ(package::CertificateTableStart(nullptr, 0, 100), -1);
}

class SignedSetupTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        CSelfExtractor writer;
        AddFile(writer, u"first.txt", PatternBytes(3000, 1));
        AddFile(writer, u"second.txt", PatternBytes(9000, 2));
        writer.SetProjectInfo(u"Product", u"Dir", u"Group", u"129", u"1.0.0.0", u"Pub", u"", u"",
                              u"", u"");
        // The stub is a PE image, as the real installer is.
        const std::string stub = PeHeaders() + PatternBytes(800, 4);
        ASSERT_EQ(
            writer.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()), kBuilt, nullptr, 0),
            SFX_OK);
        built_ = Read(kBuilt);
    }

    int32_t ReadSigned(const std::string& bytes, CSelfExtractor* reader) {
        MakeFile(kSigned, bytes);
        return reader->ReadTrailer(kSigned);
    }

    const os::Path kBuilt = u"C:\\out\\setup.exe";
    const os::Path kSigned = u"C:\\out\\signed.exe";
    std::string built_;
};

TEST_F(SignedSetupTest, ReadsExtractsAndChecksThroughAnyPadding) {
    for (size_t padding = 0; padding <= 7; ++padding) {
        SCOPED_TRACE(padding);
        CSelfExtractor reader;
        ASSERT_EQ(ReadSigned(Sign(built_, padding), &reader), SFX_OK);
        ASSERT_EQ(reader.GetFileCount(), 2);
        EXPECT_EQ(reader.GetProjectStrings().productName, u"Product");

        os::File file;
        ASSERT_TRUE(file.OpenRead(kSigned));
        EXPECT_EQ(package::PackageEnd(file), static_cast<int64_t>(built_.size()));
        for (int32_t i = 0; i < 2; ++i) {
            EXPECT_EQ(reader.VerifyFile(file, i), package::StreamState::Sound);
        }
        reader.SetModulePath(kSigned);
        ASSERT_EQ(reader.ExtractByIndex(1, u"C:\\out\\x"), SFX_OK);
        EXPECT_EQ(Read(u"C:\\out\\x\\second.txt"), PatternBytes(9000, 2));
    }
}

TEST_F(SignedSetupTest, AnyOtherBytesAfterThePackageAreStillRefused) {
    CSelfExtractor reader;
    EXPECT_EQ(ReadSigned(Sign(built_, 8), &reader), SFX_ERR_SIGNATURE) << "more than 7 zeros";
    EXPECT_EQ(ReadSigned(Sign(built_ + "x", 3), &reader), SFX_ERR_SIGNATURE)
        << "a byte between the package and the padding";
    std::string padded = Sign(built_, 4);
    padded[built_.size() + 1] = 1;
    EXPECT_EQ(ReadSigned(padded, &reader), SFX_ERR_SIGNATURE) << "padding that is not zero";
    EXPECT_EQ(ReadSigned(Sign(built_, 2) + "tail", &reader), SFX_ERR_SIGNATURE)
        << "bytes after the table";
    EXPECT_EQ(ReadSigned(built_ + std::string(4, '\0'), &reader), SFX_ERR_SIGNATURE)
        << "zeros without a table";
    EXPECT_EQ(reader.GetFileCount(), 0);
    // And the unsigned setup ends where the file does.
    EXPECT_EQ(ReadSigned(built_, &reader), SFX_OK);
}

TEST_F(SignedSetupTest, ASignedFileWithoutPackageEndsAtItsTable) {
    const std::string program = Sign(PeHeaders() + PatternBytes(500, 5), 5);
    MakeFile(kSigned, program);
    os::File file;
    ASSERT_TRUE(file.OpenRead(kSigned));
    EXPECT_EQ(package::PackageEnd(file), static_cast<int64_t>(program.size() - 64));
    CSelfExtractor reader;
    EXPECT_EQ(reader.ReadTrailer(kSigned), SFX_ERR_SIGNATURE);
}

}  // namespace
