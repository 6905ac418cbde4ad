// What the writer packs, the reader gets back: every field at its table position and every
// file byte for byte.
#include "base/text.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using RoundTripTest = PackageTest;

std::u16string Tagged(const char16_t* tag, int index) {
    return tag + text::FromInt(index);
}

TEST_F(RoundTripTest, EveryFieldComesBackAtItsTablePosition) {
    CSelfExtractor writer;
    for (int i = 0; i < 7; ++i) {
        const std::u16string name = Tagged(u"file", i) + u".dat";
        MakeFile(sourceFolder_ + name, PatternBytes(100 * i, i));
        ASSERT_TRUE(writer.AddFile(sourceFolder_ + name, Tagged(u"dest", i), Tagged(u"sc", i),
                                   Tagged(u"par", i), Tagged(u"new", i), Tagged(u"never", i),
                                   Tagged(u"auto", i), Tagged(u"post", i)));
    }
    writer.SetProjectInfo(u"s0", u"s1", u"s2", u"s3", u"s4", u"s5", u"s6", u"s7", u"s8", u"s9");
    writer.SetExpertOptions(10, 11, 12, 13, 14, 15, 16, 17);
    CreateSetup(writer, u"C:\\out\\setup.exe");

    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(u"C:\\out\\setup.exe"), SFX_OK);
    ASSERT_EQ(reader.GetFileCount(), 7);
    for (int i = 0; i < 7; ++i) {
        const FileRecord& w = *writer.GetFileRecord(i);
        const FileRecord& r = *reader.GetFileRecord(i);
        EXPECT_EQ(r.name, w.name);
        EXPECT_EQ(r.destination, Tagged(u"dest", i));
        EXPECT_EQ(r.shortcut, Tagged(u"sc", i));
        EXPECT_EQ(r.parameters, Tagged(u"par", i));
        EXPECT_EQ(r.onlyIfNewer, Tagged(u"new", i));
        EXPECT_EQ(r.neverUninstall, Tagged(u"never", i));
        EXPECT_EQ(r.autostart, Tagged(u"auto", i));
        EXPECT_EQ(r.postExecute, Tagged(u"post", i));
        EXPECT_EQ(r.sourcePath, u"");
        EXPECT_EQ(r.offset, w.offset);
        EXPECT_EQ(r.compressedSize, w.compressedSize);
        EXPECT_EQ(r.uncompressedSize, 100 * i);
    }
    const ProjectStrings& s = reader.GetProjectStrings();
    const std::u16string got[10] = {
        s.productName, s.productDirectory, s.startMenuGroup, s.builderVersion, s.versionText,
        s.publisher,   s.publisherAddress, s.productUrl,     s.contactName,    s.contactEmail};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(got[i], Tagged(u"s", i));
    const ExpertOptions& o = reader.GetExpertOptions();
    const int32_t options[8] = {o.enableExperts,          o.disableOnAccountChange,
                                o.disableOnProfileChange, o.allowLiveTrading,
                                o.askManualConfirmation,  o.allowDllImports,
                                o.confirmDllCalls,        o.allowExternalImports};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(options[i], 10 + i);
}

TEST_F(RoundTripTest, EveryFileComesBackByteForByte) {
    const size_t sizes[] = {0, 1, 4095, 4096, 4097, 65536 + 7, 300000};
    CSelfExtractor writer;
    std::vector<std::string> contents;
    for (size_t i = 0; i < sizeof(sizes) / sizeof(sizes[0]); ++i) {
        contents.push_back(PatternBytes(sizes[i], static_cast<uint32_t>(i)));
        AddFile(writer, Tagged(u"f", static_cast<int>(i)), contents.back());
    }
    CreateSetup(writer, u"C:\\out\\setup.exe");

    CSelfExtractor reader;
    reader.SetModulePath(u"C:\\out\\setup.exe");
    for (size_t i = 0; i < contents.size(); ++i) {
        ASSERT_EQ(reader.ExtractByIndex(static_cast<int32_t>(i), u"C:\\dest\\"), SFX_OK) << i;
        EXPECT_TRUE(Read(u"C:\\dest\\" + Tagged(u"f", static_cast<int>(i))) == contents[i]) << i;
    }
}

TEST_F(RoundTripTest, FileAboveTenMillionBytes) {
    const std::string big = PatternBytes(10500000, 7);
    CSelfExtractor writer;
    AddFile(writer, u"small.txt", "small");
    AddFile(writer, u"big.bin", big);
    std::vector<Event> events;
    CreateSetup(writer, u"C:\\out\\setup.exe", &events);

    // Progress of the big file rises to 100 through the divisor form.
    std::vector<int32_t> percents;
    bool inBig = false;
    for (const Event& e : events) {
        if (e.event == SFX_FILE_START) inBig = e.name == u"big.bin";
        if (inBig && e.event == SFX_PROGRESS) percents.push_back(e.percent);
    }
    ASSERT_GE(percents.size(), 10500000u / 4096);
    for (size_t i = 1; i < percents.size(); ++i) EXPECT_LE(percents[i - 1], percents[i]);
    EXPECT_EQ(percents.back(), 100);

    CSelfExtractor reader;
    reader.SetModulePath(u"C:\\out\\setup.exe");
    ASSERT_EQ(reader.ExtractByIndex(1, u"C:\\dest"), SFX_OK);
    EXPECT_EQ(reader.GetFileRecord(1)->uncompressedSize, 10500000);
    EXPECT_TRUE(Read(u"C:\\dest\\big.bin") == big);
}

TEST_F(RoundTripTest, PackingEventsComeInOrder) {
    CSelfExtractor writer;
    AddFile(writer, u"empty", "");
    AddFile(writer, u"ten", PatternBytes(10000, 3));
    std::vector<Event> events;
    CreateSetup(writer, u"C:\\out\\setup.exe", &events);

    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0].event, SFX_FILE_START);
    EXPECT_EQ(events[0].name, u"empty");
    EXPECT_EQ(events[1].event, SFX_FILE_DONE);  // an empty file reports no progress
    EXPECT_EQ(events[1].name, u"empty");
    EXPECT_EQ(events[2].event, SFX_FILE_START);
    EXPECT_EQ(events[2].name, u"ten");
    // One event per 4096-byte chunk consumed: 4096, 8192 and 10000 of 10000.
    EXPECT_EQ(events[3].event, SFX_PROGRESS);
    EXPECT_EQ(events[3].percent, 40);
    EXPECT_EQ(events[4].percent, 81);
    EXPECT_EQ(events[5].percent, 100);
    EXPECT_EQ(events[6].event, SFX_FILE_DONE);
    EXPECT_EQ(events[6].name, u"ten");
}

TEST_F(RoundTripTest, TableStatesTheBytesActuallyPacked) {
    CSelfExtractor writer;
    AddFile(writer, u"grows.txt", "short");
    MakeFile(sourceFolder_ + u"grows.txt", "a good deal longer now");
    CreateSetup(writer, u"C:\\out\\setup.exe");
    EXPECT_EQ(writer.GetFileRecord(0)->uncompressedSize, 22);

    CSelfExtractor reader;
    reader.SetModulePath(u"C:\\out\\setup.exe");
    ASSERT_EQ(reader.ExtractByIndex(0, u"C:\\dest\\"), SFX_OK);
    EXPECT_EQ(Read(u"C:\\dest\\grows.txt"), "a good deal longer now");
}

TEST_F(RoundTripTest, EmptyTableReadsStringsAndOptions) {
    HandPackage hand;
    hand.strings[0] = u"Only strings";
    hand.strings[9] = u"mail@example.com";
    hand.options[0] = 1;
    hand.options[7] = 0;
    MakeFile(u"C:\\out\\empty.exe", StubBytes() + HandTrailer(hand));

    CSelfExtractor reader;
    EXPECT_EQ(reader.ReadTrailer(u"C:\\out\\empty.exe"), SFX_ERR_NO_FILES);
    EXPECT_EQ(reader.GetFileCount(), 0);
    EXPECT_EQ(reader.GetProjectStrings().productName, u"Only strings");
    EXPECT_EQ(reader.GetProjectStrings().contactEmail, u"mail@example.com");
    EXPECT_EQ(reader.GetExpertOptions().enableExperts, 1);
    EXPECT_EQ(reader.GetExpertOptions().allowExternalImports, 0);
}

TEST_F(RoundTripTest, ZeroUnitsEndProjectStringsButStayInRecordTexts) {
    const std::string data = "data";
    HandPackage hand;
    HandRecord record;
    record.offset = static_cast<int32_t>(StubBytes().size());
    record.uncompressedSize = 4;
    record.compressedSize = static_cast<int32_t>(Compress6(data).size());
    record.texts[0] = u"a.txt";
    record.texts[1] = std::u16string(u"C:\\x\\\0y", 7);
    hand.records = {record};
    hand.strings[0] = std::u16string(u"Name\0Hidden", 11);
    MakeFile(u"C:\\out\\zero.exe", StubBytes() + Compress6(data) + HandTrailer(hand));

    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(u"C:\\out\\zero.exe"), SFX_OK);
    EXPECT_EQ(reader.GetProjectStrings().productName, u"Name");
    EXPECT_EQ(reader.GetFileRecord(0)->destination, std::u16string(u"C:\\x\\\0y", 7));
}

TEST_F(RoundTripTest, ReadingAgainStartsFromAnEmptyTable) {
    CSelfExtractor three;
    for (int i = 0; i < 3; ++i) AddFile(three, Tagged(u"t", i), "3");
    CreateSetup(three, u"C:\\out\\three.exe");
    CSelfExtractor one;
    AddFile(one, u"single", "1");
    CreateSetup(one, u"C:\\out\\one.exe");

    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(u"C:\\out\\three.exe"), SFX_OK);
    ASSERT_EQ(reader.ReadTrailer(u"C:\\out\\one.exe"), SFX_OK);
    EXPECT_EQ(reader.GetFileCount(), 1);
    EXPECT_EQ(reader.GetFileRecord(0)->name, u"single");
    EXPECT_EQ(reader.GetFileRecord(1), nullptr);
}

TEST_F(RoundTripTest, ExtractionFolders) {
    CSelfExtractor writer;
    AddFile(writer, u"f.txt", "content");
    CreateSetup(writer, u"C:\\out\\setup.exe");
    CSelfExtractor reader;
    reader.SetModulePath(u"C:\\out\\setup.exe");

    // A folder without its final backslash is still the folder the file goes into.
    ASSERT_EQ(reader.ExtractByIndex(0, u"C:\\out\\inside"), SFX_OK);
    EXPECT_EQ(Read(u"C:\\out\\inside\\f.txt"), "content");
    EXPECT_FALSE(Exists(u"C:\\out\\insidef.txt"));

    // Into an existing folder no folder is made; two missing levels are made top down.
    os::fake::ClearFaults();
    ASSERT_EQ(reader.ExtractByIndex(0, u"C:\\out\\"), SFX_OK);
    EXPECT_EQ(os::fake::CallCount(os::fake::Operation::CreateFolder), 0);
    ASSERT_EQ(reader.ExtractByIndex(0, u"C:\\level1\\level2\\"), SFX_OK);
    EXPECT_EQ(Read(u"C:\\level1\\level2\\f.txt"), "content");
}

}  // namespace
