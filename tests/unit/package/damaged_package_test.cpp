// Bad bytes: damaged trailers, damaged streams and crafted records. Each gives its code,
// nothing is read outside the file, and nothing is written outside the destination folder.
#include <random>

#include "tests/unit/package/package_fixture.h"

namespace {

// Where the fields of a trailer lie, found by walking back from the end the way the layout
// describes (independently of the reader under test).
struct FieldMap {
    size_t fileCount = 0;
    std::vector<size_t> stringCounts;                                 // productName first
    std::vector<size_t> recordTextCounts;                             // every record's eight counts
    std::vector<size_t> offsets, uncompressedSizes, compressedSizes;  // record 0 first
    size_t trailerStart = 0;
};

FieldMap MapFields(const std::string& file) {
    FieldMap map;
    size_t end = file.size() - 28;
    auto take = [&](size_t bytes) {
        end -= bytes;
        return end;
    };
    map.fileCount = take(4);
    const int32_t count = I32At(file, map.fileCount);
    take(32);
    for (int i = 0; i < 10; ++i) {
        const size_t at = take(4);
        map.stringCounts.push_back(at);
        take(2 * static_cast<size_t>(I32At(file, at)));
    }
    for (int r = count - 1; r >= 0; --r) {
        for (int t = 7; t >= 0; --t) {
            const size_t at = take(4);
            map.recordTextCounts.push_back(at);
            take(2 * static_cast<size_t>(I32At(file, at)));
        }
        map.compressedSizes.insert(map.compressedSizes.begin(), take(4));
        map.uncompressedSizes.insert(map.uncompressedSizes.begin(), take(4));
        map.offsets.insert(map.offsets.begin(), take(4));
    }
    map.trailerStart = end;
    return map;
}

class DamagedPackageTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        CSelfExtractor writer;
        AddFile(writer, u"first.txt", PatternBytes(3000, 1), u"{app}\\");
        AddFile(writer, u"second.txt", PatternBytes(5000, 2), u"{metatrader}\\experts\\");
        writer.SetProjectInfo(u"Product", u"Dir", u"Group", u"129", u"1.0.0.0", u"Pub", u"",
                              u"http://x.example", u"Me", u"me@x");
        PackageTest::CreateSetup(writer, good_);
        package_ = Read(good_);
        map_ = MapFields(package_);
    }

    int32_t ReadBytes(const std::string& bytes) {
        MakeFile(bad_, bytes);
        CSelfExtractor reader;
        const int32_t result = reader.ReadTrailer(bad_);
        if (result == SFX_ERR_SIGNATURE) {
            EXPECT_EQ(reader.GetFileCount(), 0);
        }
        return result;
    }

    int32_t WithI32(size_t position, int32_t value) {
        std::string bytes = package_;
        SetI32At(&bytes, position, value);
        return ReadBytes(bytes);
    }

    // A package assembled by hand with the given records (name, data, uncompressedSize).
    struct Crafted {
        std::u16string name;
        std::string stream;
        int32_t uncompressedSize;
    };
    void MakeCrafted(const os::Path& path, const std::vector<Crafted>& records) {
        HandPackage hand;
        std::string file = StubBytes();
        for (const Crafted& c : records) {
            HandRecord record;
            record.offset = static_cast<int32_t>(file.size());
            record.compressedSize = static_cast<int32_t>(c.stream.size());
            record.uncompressedSize = c.uncompressedSize;
            record.texts[0] = c.name;
            hand.records.push_back(record);
            file += c.stream;
        }
        MakeFile(path, file + HandTrailer(hand));
    }

    const os::Path good_ = u"C:\\out\\good.exe";
    const os::Path bad_ = u"C:\\out\\bad.exe";
    std::string package_;
    FieldMap map_;
};

TEST_F(DamagedPackageTest, TheUntouchedPackageReads) {
    EXPECT_EQ(ReadBytes(package_), SFX_OK);
    EXPECT_EQ(map_.trailerStart, static_cast<size_t>(I32At(package_, map_.offsets[1]) +
                                                     I32At(package_, map_.compressedSizes[1])));
}

TEST_F(DamagedPackageTest, EveryTruncationOfTheTrailer) {
    const size_t trailerLength = package_.size() - map_.trailerStart;
    for (size_t cut = 1; cut <= trailerLength; ++cut) {
        // The end cut off: the signature is gone.
        EXPECT_EQ(ReadBytes(package_.substr(0, package_.size() - cut)), SFX_ERR_SIGNATURE)
            << "end cut by " << cut;
        // The front cut off: the counts claim more than the file holds, or the records point
        // outside it.
        EXPECT_EQ(ReadBytes(package_.substr(package_.size() - (trailerLength - cut + 1))),
                  SFX_ERR_SIGNATURE)
            << "front cut, " << trailerLength - cut + 1 << " bytes left";
    }
    EXPECT_EQ(ReadBytes(""), SFX_ERR_SIGNATURE);
}

TEST_F(DamagedPackageTest, WrongSignatureOrVersion) {
    for (size_t i = package_.size() - 28; i < package_.size(); ++i) {
        std::string bytes = package_;
        bytes[i] ^= 0x01;
        EXPECT_EQ(ReadBytes(bytes), SFX_ERR_SIGNATURE) << i;
    }
    // Bytes appended after the package hide it.
    EXPECT_EQ(ReadBytes(package_ + "x"), SFX_ERR_SIGNATURE);
}

TEST_F(DamagedPackageTest, FileCountOutOfRange) {
    for (const int32_t count : {-1, 257, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(WithI32(map_.fileCount, count), SFX_ERR_SIGNATURE) << count;
    }
    // In range, but far more records than the file can hold.
    EXPECT_EQ(WithI32(map_.fileCount, 256), SFX_ERR_SIGNATURE);
}

TEST_F(DamagedPackageTest, TextCountsOutOfRange) {
    std::vector<size_t> counts = map_.stringCounts;
    counts.insert(counts.end(), map_.recordTextCounts.begin(), map_.recordTextCounts.end());
    ASSERT_EQ(counts.size(), 10u + 16u);
    for (const size_t at : counts) {
        for (const int32_t units : {-1, 260, 100000, INT32_MAX, INT32_MIN}) {
            EXPECT_EQ(WithI32(at, units), SFX_ERR_SIGNATURE) << at << " " << units;
        }
    }
}

TEST_F(DamagedPackageTest, RecordsThatPointOutsideTheStreams) {
    const int32_t trailerStart = static_cast<int32_t>(map_.trailerStart);
    for (size_t r = 0; r < 2; ++r) {
        const int32_t size = I32At(package_, map_.compressedSizes[r]);
        for (const int32_t offset :
             {-1, INT32_MIN, trailerStart - size + 1, trailerStart, INT32_MAX}) {
            EXPECT_EQ(WithI32(map_.offsets[r], offset), SFX_ERR_SIGNATURE) << r << " " << offset;
        }
        for (const int32_t compressed : {-1, INT32_MIN, trailerStart, INT32_MAX}) {
            EXPECT_EQ(WithI32(map_.compressedSizes[r], compressed), SFX_ERR_SIGNATURE) << r;
        }
        EXPECT_EQ(WithI32(map_.uncompressedSizes[r], -1), SFX_ERR_SIGNATURE) << r;
    }
    // A stream that ends exactly where the trailer starts is fine.
    const int32_t lastSize = I32At(package_, map_.compressedSizes[1]);
    EXPECT_EQ(WithI32(map_.offsets[1], trailerStart - lastSize), SFX_OK);
}

TEST_F(DamagedPackageTest, AFlippedByteInAStreamIsNeverASuccess) {
    const size_t offset = static_cast<size_t>(I32At(package_, map_.offsets[0]));
    const size_t size = static_cast<size_t>(I32At(package_, map_.compressedSizes[0]));
    for (size_t i = offset; i < offset + size; ++i) {
        std::string bytes = package_;
        bytes[i] = static_cast<char>(bytes[i] ^ 0xFF);
        MakeFile(bad_, bytes);
        CSelfExtractor reader;
        reader.SetModulePath(bad_);
        EXPECT_EQ(reader.ExtractByIndex(0, u"C:\\dest\\"), SFX_ERR_WRITE) << "byte " << i;
        EXPECT_FALSE(Exists(u"C:\\dest\\first.txt")) << "byte " << i;
    }
}

TEST_F(DamagedPackageTest, StreamsThatAreCutShortOrTooLong) {
    const std::string data = PatternBytes(20000, 5);
    const std::string stream = Compress6(data);
    MakeCrafted(bad_, {
                          {u"cut.txt", stream.substr(0, stream.size() / 2), 20000},
                          {u"long.txt", stream, 19999},
                          {u"exact.txt", stream, 20000},
                          {u"roomy.txt", stream, 30000},
                      });
    CSelfExtractor reader;
    reader.SetModulePath(bad_);
    EXPECT_EQ(reader.ExtractByIndex(0, u"C:\\dest\\"), SFX_ERR_WRITE);
    EXPECT_FALSE(Exists(u"C:\\dest\\cut.txt"));
    EXPECT_EQ(reader.ExtractByIndex(1, u"C:\\dest\\"), SFX_ERR_WRITE);
    EXPECT_FALSE(Exists(u"C:\\dest\\long.txt"));
    EXPECT_EQ(reader.ExtractByIndex(2, u"C:\\dest\\"), SFX_OK);
    EXPECT_TRUE(Read(u"C:\\dest\\exact.txt") == data);
    // A size above what the stream holds is not damage: the stream's end and check decide.
    EXPECT_EQ(reader.ExtractByIndex(3, u"C:\\dest\\"), SFX_OK);
}

TEST_F(DamagedPackageTest, NamesThatAreNotPlainAreNeverWritten) {
    const std::string stream = Compress6("payload");
    const std::u16string names[] = {u"..\\evil.txt", u"sub/evil.txt",   u"C:evil.txt",   u"", u".",
                                    u"..",           u"evil\x0001.txt", u"sub\\evil.txt"};
    std::vector<Crafted> records;
    for (const std::u16string& name : names) records.push_back({name, stream, 7});
    records.push_back({u"fine.txt", stream, 7});
    MakeCrafted(bad_, records);

    CSelfExtractor reader;
    reader.SetModulePath(bad_);
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(reader.ExtractByIndex(i, u"C:\\dest\\inner\\"), SFX_ERR_WRITE) << i;
    }
    EXPECT_FALSE(Exists(u"C:\\dest\\evil.txt"));
    EXPECT_FALSE(Exists(u"C:\\evil.txt"));
    EXPECT_FALSE(Exists(u"C:\\dest\\inner\\sub\\evil.txt"));
    EXPECT_EQ(reader.ExtractByIndex(8, u"C:\\dest\\inner\\"), SFX_OK);
    EXPECT_EQ(Read(u"C:\\dest\\inner\\fine.txt"), "payload");
}

TEST_F(DamagedPackageTest, IndexOutsideTheTable) {
    CSelfExtractor reader;
    reader.SetModulePath(good_);
    for (const int32_t index : {-1, 2, 255, 256, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(reader.ExtractByIndex(index, u"C:\\dest\\"), SFX_ERR_WRITE) << index;
    }
}

// Random damage to the trailer, with a fixed seed: whatever the reader accepts it can also
// extract from without leaving the file or its buffers.
TEST_F(DamagedPackageTest, RandomTrailerDamage) {
    std::mt19937 random(20240607);
    const size_t trailerLength = package_.size() - map_.trailerStart;
    int accepted = 0;
    for (int round = 0; round < 1500; ++round) {
        std::string bytes = package_;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c) {
            // Mostly the trailer's counts and numbers, sometimes anywhere before the marker.
            const size_t span = random() % 3 == 0 ? package_.size() - 28 : trailerLength - 28;
            const size_t at = package_.size() - 28 - 1 - random() % span;
            bytes[at] = static_cast<char>(random());
        }
        MakeFile(bad_, bytes);
        CSelfExtractor reader;
        reader.SetModulePath(bad_);
        const int32_t result = reader.ReadTrailer(bad_);
        ASSERT_TRUE(result == SFX_OK || result == SFX_ERR_SIGNATURE || result == SFX_ERR_NO_FILES)
            << result;
        if (result != SFX_OK) continue;
        ++accepted;
        for (int32_t i = 0; i < reader.GetFileCount(); ++i) {
            const FileRecord& record = *reader.GetFileRecord(i);
            ASSERT_GE(record.offset, 0);
            ASSERT_LE(static_cast<int64_t>(record.offset) + record.compressedSize,
                      static_cast<int64_t>(bytes.size()));
            const int32_t extracted = reader.ExtractByIndex(i, u"C:\\fuzz\\");
            ASSERT_TRUE(extracted == SFX_OK || extracted == SFX_ERR_WRITE) << extracted;
        }
    }
    // Damage to the texts alone leaves a readable package, so both paths were taken.
    EXPECT_GT(accepted, 0);
}

}  // namespace
