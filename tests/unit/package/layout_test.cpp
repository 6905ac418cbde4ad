// The bytes a setup executable consists of, checked against bytes assembled by hand.
#include <zlib.h>

#include "tests/unit/package/package_fixture.h"

namespace {

class LayoutTest : public PackageTest {
  protected:
    // Two small files with known texts, strings and options.
    void Fill(CSelfExtractor& extractor) {
        MakeFile(sourceFolder_ + u"a.txt", kFirst);
        MakeFile(sourceFolder_ + u"empty.bin", "");
        ASSERT_TRUE(extractor.AddFile(sourceFolder_ + u"a.txt", u"{metatrader}\\experts\\", u"",
                                      u"", u"", u"", u"", u""));
        ASSERT_TRUE(extractor.AddFile(sourceFolder_ + u"empty.bin", u"{app}\\", u"Empty",
                                      u"/x \"y\"", u"Yes", u"0", u"", u"Yes"));
        extractor.SetProjectInfo(u"Product", u"ProductDir", u"Group", u"129", u"1.2.3.4",
                                 u"Publisher Ltd", u"1 Street", u"http://example.com", u"Contact",
                                 u"c@example.com");
        extractor.SetExpertOptions(1, 0, 2, 1, 0, 1, 0, 2);
    }

    HandPackage Expected() const {
        HandPackage package;
        const int32_t stub = static_cast<int32_t>(StubBytes().size());
        const int32_t first = static_cast<int32_t>(Compress6(kFirst).size());
        HandRecord a;
        a.offset = stub;
        a.uncompressedSize = static_cast<int32_t>(kFirst.size());
        a.compressedSize = first;
        a.texts[0] = u"a.txt";
        a.texts[1] = u"{metatrader}\\experts\\";
        HandRecord empty;
        empty.offset = stub + first;
        empty.uncompressedSize = 0;
        empty.compressedSize = static_cast<int32_t>(Compress6("").size());
        const std::u16string texts[8] = {u"empty.bin", u"{app}\\", u"Empty", u"/x \"y\"",
                                         u"Yes",       u"0",       u"",      u"Yes"};
        for (int i = 0; i < 8; ++i) empty.texts[i] = texts[i];
        package.records = {a, empty};
        const std::u16string strings[10] = {
            u"Product", u"ProductDir",    u"Group",    u"129",
            u"1.2.3.4", u"Publisher Ltd", u"1 Street", u"http://example.com",
            u"Contact", u"c@example.com"};
        for (int i = 0; i < 10; ++i) package.strings[i] = strings[i];
        const int32_t options[8] = {1, 0, 2, 1, 0, 1, 0, 2};
        for (int i = 0; i < 8; ++i) package.options[i] = options[i];
        return package;
    }

    const std::string kFirst = "Hello, package! Hello, package! Hello.";
    const os::Path target_ = u"C:\\out\\setup.exe";
};

TEST_F(LayoutTest, WholeFileIsStubThenStreamsThenHandAssembledTrailer) {
    CSelfExtractor extractor;
    Fill(extractor);
    CreateSetup(extractor, target_);

    const std::string expected =
        StubBytes() + Compress6(kFirst) + Compress6("") + HandTrailer(Expected());
    const std::string actual = Read(target_);
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_TRUE(actual == expected);

    // The table in memory agrees with what was written.
    EXPECT_EQ(extractor.GetFileRecord(0)->offset, static_cast<int32_t>(StubBytes().size()));
    EXPECT_EQ(extractor.GetFileRecord(1)->offset,
              extractor.GetFileRecord(0)->offset + extractor.GetFileRecord(0)->compressedSize);
}

TEST_F(LayoutTest, LastBytesAreVersionThenSignature) {
    CSelfExtractor extractor;
    Fill(extractor);
    CreateSetup(extractor, target_);
    const std::string file = Read(target_);
    const unsigned char expected[28] = {
        0x31, 0x00, 0x2E, 0x00, 0x31, 0x00, 0x30, 0x00,                          // 1.10
        0x21, 0x00, 0x56, 0x00, 0x4F, 0x00, 0x53, 0x00, 0x4B, 0x00, 0x5F, 0x00,  // !VOSK_
        0x53, 0x00, 0x46, 0x00, 0x58, 0x00, 0x21, 0x00,                          // SFX!
    };
    ASSERT_GE(file.size(), 28u);
    EXPECT_EQ(file.substr(file.size() - 28),
              std::string(reinterpret_cast<const char*>(expected), 28));
}

TEST_F(LayoutTest, EmptyFileGetsACompleteShortStream) {
    CSelfExtractor extractor;
    Fill(extractor);
    CreateSetup(extractor, target_);
    const FileRecord* empty = extractor.GetFileRecord(1);
    ASSERT_NE(empty, nullptr);
    EXPECT_GT(empty->compressedSize, 0);
    EXPECT_EQ(empty->uncompressedSize, 0);

    const std::string stream = Read(target_).substr(empty->offset, empty->compressedSize);
    char out[16];
    uLongf outSize = sizeof(out);
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out), &outSize,
                         reinterpret_cast<const Bytef*>(stream.data()), stream.size()),
              Z_OK);
    EXPECT_EQ(outSize, 0u);
}

TEST_F(LayoutTest, TrailerLengthFollowsTheFormula) {
    // Empty texts everywhere they may be: each takes only its 4-byte count.
    CSelfExtractor extractor;
    MakeFile(sourceFolder_ + u"x", "x");
    ASSERT_TRUE(extractor.AddFile(sourceFolder_ + u"x", u"", u"", u"", u"", u"", u"", u""));
    extractor.SetProjectInfo(u"", u"", u"", u"", u"", u"", u"", u"", u"", u"");
    CreateSetup(extractor, target_);
    const std::string file = Read(target_);
    const size_t streams = extractor.GetFileRecord(0)->compressedSize;
    EXPECT_EQ(file.size() - StubBytes().size() - streams, 104u + 44u + 2u * 1u);

    // And with texts: 104 + 2 x string units + per record 44 + 2 x text units.
    CSelfExtractor full;
    Fill(full);
    CreateSetup(full, target_);
    const HandPackage expected = Expected();
    size_t formula = 104;
    for (const std::u16string& s : expected.strings) formula += 2 * s.size();
    for (const HandRecord& r : expected.records) {
        formula += 44;
        for (const std::u16string& t : r.texts) formula += 2 * t.size();
    }
    const size_t actualTrailer = Read(target_).size() - StubBytes().size() -
                                 full.GetFileRecord(0)->compressedSize -
                                 full.GetFileRecord(1)->compressedSize;
    EXPECT_EQ(actualTrailer, formula);
}

TEST_F(LayoutTest, NullCallbackWritesTheSameBytes) {
    CSelfExtractor withEvents;
    Fill(withEvents);
    std::vector<Event> events;
    CreateSetup(withEvents, target_, &events);
    const std::string first = Read(target_);
    EXPECT_FALSE(events.empty());

    CSelfExtractor silent;
    Fill(silent);
    CreateSetup(silent, u"C:\\out\\silent.exe");
    EXPECT_TRUE(Read(u"C:\\out\\silent.exe") == first);
}

}  // namespace
