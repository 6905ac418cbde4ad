#include "builder/project/project_record.h"

#include <gtest/gtest.h>

#include <random>

#include "base/text.h"
#include "builder/project/file_categories.h"

namespace project {
namespace {

// Offsets below are written out by hand from the file layout rather than taken from the
// record header, so a wrong constant there shows up here.
using Bytes = std::vector<uint8_t>;
constexpr size_t kSize = 191824;

int32_t I32At(const Bytes& b, size_t offset) {
    return static_cast<int32_t>(b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) |
                                (static_cast<uint32_t>(b[offset + 3]) << 24));
}

void PokeI32(Bytes* b, size_t offset, int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) (*b)[offset + i] = static_cast<uint8_t>(u >> (8 * i));
}

void PokeText(Bytes* b, size_t offset, std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        (*b)[offset + 2 * i] = static_cast<uint8_t>(text[i]);
        (*b)[offset + 2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
    }
}

// True when `text` followed by a zero unit is stored at `offset`.
::testing::AssertionResult TextAt(const Bytes& b, size_t offset, std::u16string_view text) {
    for (size_t i = 0; i <= text.size(); ++i) {
        const char16_t expected = i < text.size() ? text[i] : 0;
        const char16_t actual =
            static_cast<char16_t>(b[offset + 2 * i] | (b[offset + 2 * i + 1] << 8));
        if (actual != expected) {
            return ::testing::AssertionFailure()
                   << "unit " << i << " at 0x" << std::hex << offset << " is 0x" << actual
                   << ", expected 0x" << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

bool AllZero(const Bytes& b, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        if (b[i] != 0) return false;
    }
    return true;
}

ProjectModel EmptyModel() {
    ProjectModel m;
    m.productName.clear();
    m.productDirectory.clear();
    m.startMenuGroup.clear();
    m.version = {u"", u"", u"", u""};
    m.expertOptions.fill(OptionState::Off);
    return m;
}

void ExpectSameProject(const ProjectModel& a, const ProjectModel& b) {
    EXPECT_EQ(a.productName, b.productName);
    EXPECT_EQ(a.productDirectory, b.productDirectory);
    EXPECT_EQ(a.startMenuGroup, b.startMenuGroup);
    EXPECT_EQ(a.version, b.version);
    EXPECT_EQ(a.publisher, b.publisher);
    EXPECT_EQ(a.publisherAddress, b.publisherAddress);
    EXPECT_EQ(a.productUrl, b.productUrl);
    EXPECT_EQ(a.contactName, b.contactName);
    EXPECT_EQ(a.contactEmail, b.contactEmail);
    EXPECT_EQ(a.paths, b.paths);
    ASSERT_EQ(a.otherFiles.size(), b.otherFiles.size());
    for (size_t i = 0; i < a.otherFiles.size(); ++i) {
        for (int k = 0; k < kFileEntryColumnCount; ++k) {
            EXPECT_EQ(EntryColumn(a.otherFiles[i], k), EntryColumn(b.otherFiles[i], k));
        }
    }
    EXPECT_EQ(a.expertOptions, b.expertOptions);
    EXPECT_EQ(a.licenseRtf, b.licenseRtf);
    EXPECT_EQ(a.readmeRtf, b.readmeRtf);
    EXPECT_EQ(a.whatsNewRtf, b.whatsNewRtf);
    EXPECT_EQ(a.iconPath, b.iconPath);
    EXPECT_EQ(a.bannerPath, b.bannerPath);
    EXPECT_EQ(a.targetFile, b.targetFile);
}

// A project with every field filled, three sounds, one DLL and two Other Files entries.
ProjectModel FullModel() {
    ProjectModel m;
    m.productName = u"Pip Hunter";
    m.productDirectory = u"Pip Hunter";
    m.startMenuGroup = u"Hunter Tools";
    m.version = {u"2", u"11", u"-4", u"2147483647"};
    m.publisher = u"Ostrava Quant";
    m.publisherAddress = u"Main Street 1";
    m.productUrl = u"http://example.com/piphunter";
    m.contactName = u"J\u00e1n Nov\u00e1k";
    m.contactEmail = u"jan@example.com";
    AddFile(&m, CategoryId::ExpertAdvisors, u"C:\\src\\PipHunter.ex4");
    AddFile(&m, CategoryId::CustomIndicators, u"C:\\src\\Trend.ex4");
    AddFile(&m, CategoryId::Scripts, u"C:\\src\\CloseAll.ex4");
    AddFile(&m, CategoryId::Sounds, u"C:\\snd\\one.wav");
    AddFile(&m, CategoryId::Sounds, u"C:\\snd\\two.wav");
    AddFile(&m, CategoryId::Sounds, u"C:\\snd\\three.wav");
    AddFile(&m, CategoryId::DllFiles, u"C:\\lib\\hunter.dll");
    AddFile(&m, CategoryId::OtherFiles, u"C:\\doc\\Manual.pdf");
    AddFile(&m, CategoryId::OtherFiles, u"C:\\bin\\helper.exe");
    FileEntry& helper = m.otherFiles[1];
    helper.destination = u"{app}\\bin";
    helper.shortcut = u"Helper";
    helper.parameters = u"/quiet";
    helper.onlyIfNewer = u"Yes";
    helper.neverUninstall = u"";
    helper.autostart = u"Yes";
    helper.postExecute = u"";
    m.expertOptions = {OptionState::On,       OptionState::Off,
                       OptionState::NoChange, OptionState::On,
                       OptionState::Off,      OptionState::NoChange,
                       OptionState::On,       static_cast<OptionState>(-7)};
    m.licenseRtf = u"{\\rtf1\\ansi License}";
    m.readmeRtf = u"{\\rtf1\\ansi Readme}";
    m.whatsNewRtf = u"{\\rtf1\\ansi New}";
    m.iconPath = u"C:\\art\\hunter.ico";
    m.bannerPath = u"C:\\art\\banner.jpg";
    m.targetFile = u"C:\\out\\PipHunterSetup.exe";
    return m;
}

TEST(ProjectRecord, NothingEnteredIsAWholeRecordOfZeros) {
    const Bytes b = EncodeProjectRecord(EmptyModel());
    ASSERT_EQ(b.size(), kSize);
    EXPECT_TRUE(AllZero(b, 0, kSize));
    EXPECT_EQ(EncodeProjectRecord(ProjectModel()).size(), kSize);
}

TEST(ProjectRecord, FieldsLieAtTheirOffsets) {
    const Bytes b = EncodeProjectRecord(FullModel());
    ASSERT_EQ(b.size(), kSize);

    EXPECT_TRUE(TextAt(b, 0x00000, u"Pip Hunter"));
    EXPECT_TRUE(TextAt(b, 0x00080, u"Pip Hunter"));
    EXPECT_TRUE(TextAt(b, 0x00100, u"Hunter Tools"));
    EXPECT_EQ(I32At(b, 0x180), 2);
    EXPECT_EQ(I32At(b, 0x184), 11);
    EXPECT_EQ(I32At(b, 0x188), -4);
    EXPECT_EQ(I32At(b, 0x18C), 2147483647);
    EXPECT_TRUE(TextAt(b, 0x00190, u"Ostrava Quant"));
    EXPECT_TRUE(TextAt(b, 0x00210, u"Main Street 1"));
    EXPECT_TRUE(TextAt(b, 0x00290, u"http://example.com/piphunter"));
    EXPECT_TRUE(TextAt(b, 0x00390, u"J\u00e1n Nov\u00e1k"));
    EXPECT_TRUE(TextAt(b, 0x00410, u"jan@example.com"));

    // Path list blocks; the DLL block precedes the Sounds block.
    EXPECT_EQ(I32At(b, 0x00490), 1);
    EXPECT_TRUE(TextAt(b, 0x00494, u"C:\\src\\PipHunter.ex4"));
    EXPECT_EQ(I32At(b, 0x018E4), 1);
    EXPECT_TRUE(TextAt(b, 0x018E8, u"C:\\src\\Trend.ex4"));
    EXPECT_EQ(I32At(b, 0x02D38), 1);
    EXPECT_TRUE(TextAt(b, 0x02D3C, u"C:\\src\\CloseAll.ex4"));
    EXPECT_EQ(I32At(b, 0x0418C), 1);
    EXPECT_TRUE(TextAt(b, 0x04190, u"C:\\lib\\hunter.dll"));
    EXPECT_EQ(I32At(b, 0x055E0), 3);
    EXPECT_TRUE(TextAt(b, 0x055E4, u"C:\\snd\\one.wav"));
    EXPECT_TRUE(TextAt(b, 0x055E4 + 520, u"C:\\snd\\two.wav"));
    EXPECT_TRUE(TextAt(b, 0x055E4 + 1040, u"C:\\snd\\three.wav"));
    EXPECT_TRUE(AllZero(b, 0x055E4 + 1560, 0x06A34));  // slots 3 to 9 of Sounds

    // Other Files, stored column by column.
    EXPECT_EQ(I32At(b, 0x06A34), 2);
    EXPECT_TRUE(TextAt(b, 0x06A38, u"C:\\doc\\Manual.pdf"));
    EXPECT_TRUE(TextAt(b, 0x06A38 + 520, u"C:\\bin\\helper.exe"));
    EXPECT_TRUE(TextAt(b, 0x07E88, u"{app}"));
    EXPECT_TRUE(TextAt(b, 0x08090, u"{app}\\bin"));
    EXPECT_TRUE(TextAt(b, 0x092D8, u""));
    EXPECT_TRUE(TextAt(b, 0x092D8 + 520, u"Helper"));
    EXPECT_TRUE(TextAt(b, 0x0A728 + 520, u"/quiet"));
    EXPECT_TRUE(TextAt(b, 0x0BB78, u"0"));
    EXPECT_TRUE(TextAt(b, 0x0BB78 + 520, u"Yes"));
    EXPECT_TRUE(TextAt(b, 0x0CFC8, u"0"));
    EXPECT_TRUE(TextAt(b, 0x0CFC8 + 520, u""));
    EXPECT_TRUE(TextAt(b, 0x0E418 + 520, u"Yes"));
    EXPECT_TRUE(TextAt(b, 0x0F868, u"0"));
    EXPECT_TRUE(AllZero(b, 0x0F868 + 520, 0x0F868 + 2 * 520));  // empty postExecute
    EXPECT_TRUE(AllZero(b, 0x0F868 + 2 * 520, 0x10CB8));        // entries 2 to 9

    const int32_t options[] = {1, 0, 2, 1, 0, 2, 1, -7};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(I32At(b, 0x10CB8 + 4 * k), options[k]) << k;

    EXPECT_TRUE(TextAt(b, 0x10CD8, u"{\\rtf1\\ansi License}"));
    EXPECT_TRUE(TextAt(b, 0x1AAF8, u"{\\rtf1\\ansi Readme}"));
    EXPECT_TRUE(TextAt(b, 0x24918, u"{\\rtf1\\ansi New}"));
    EXPECT_TRUE(TextAt(b, 0x2E738, u"C:\\art\\hunter.ico"));
    EXPECT_TRUE(TextAt(b, 0x2E940, u"C:\\art\\banner.jpg"));
    EXPECT_TRUE(TextAt(b, 0x2EB48, u"C:\\out\\PipHunterSetup.exe"));
    EXPECT_TRUE(AllZero(b, 0x2EB48 + 2 * 27, kSize));
}

TEST(ProjectRecord, HandWrittenRecordDecodes) {
    Bytes b(kSize, 0);
    PokeText(&b, 0x00000, u"Grid");
    PokeI32(&b, 0x180, 3);
    PokeI32(&b, 0x184, -1);
    PokeI32(&b, 0x0418C, 1);
    PokeText(&b, 0x04190, u"grid.dll");
    PokeI32(&b, 0x055E0, 2);
    PokeText(&b, 0x055E4, u"a.wav");
    PokeText(&b, 0x055E4 + 520, u"a.wav");  // duplicates in a file are kept
    PokeI32(&b, 0x06A34, 1);
    PokeText(&b, 0x06A38, u"readme.txt");
    PokeText(&b, 0x07E88, u"{mydocuments}\\Grid");
    PokeText(&b, 0x0E418, u"yes");
    PokeI32(&b, 0x10CB8 + 28, 1);
    PokeText(&b, 0x2EB48, u"out.exe");

    const ProjectModel m = DecodeProjectRecord(b.data(), b.size());
    EXPECT_EQ(m.productName, u"Grid");
    EXPECT_EQ(m.version, (std::array<std::u16string, 4>{u"3", u"-1", u"0", u"0"}));
    EXPECT_EQ(m.paths[static_cast<int>(CategoryId::DllFiles)],
              std::vector<std::u16string>{u"grid.dll"});
    EXPECT_EQ(m.paths[static_cast<int>(CategoryId::Sounds)],
              (std::vector<std::u16string>{u"a.wav", u"a.wav"}));
    ASSERT_EQ(m.otherFiles.size(), 1u);
    EXPECT_EQ(m.otherFiles[0].fileName, u"readme.txt");
    EXPECT_EQ(m.otherFiles[0].destination, u"{mydocuments}\\Grid");
    EXPECT_EQ(m.otherFiles[0].autostart, u"yes");
    EXPECT_EQ(m.otherFiles[0].postExecute, u"");
    EXPECT_EQ(m.expertOptions[kAllowExternalImports], OptionState::On);
    EXPECT_EQ(m.expertOptions[kEnableExperts], OptionState::Off);
    EXPECT_EQ(m.targetFile, u"out.exe");
}

TEST(ProjectRecord, ShortAndEmptyRecordsReadAsZeros) {
    const ProjectModel empty = DecodeProjectRecord(nullptr, 0);
    ExpectSameProject(empty, DecodeProjectRecord(EncodeProjectRecord(EmptyModel()).data(), kSize));
    EXPECT_EQ(empty.version, (std::array<std::u16string, 4>{u"0", u"0", u"0", u"0"}));
    for (OptionState s : empty.expertOptions) EXPECT_EQ(s, OptionState::Off);
    EXPECT_TRUE(empty.productName.empty());
    EXPECT_TRUE(empty.licenseRtf.empty());

    // A record cut inside the version keeps what is there and zeros the rest.
    const Bytes full = EncodeProjectRecord(FullModel());
    const ProjectModel cut = DecodeProjectRecord(full.data(), 0x184 + 2);
    EXPECT_EQ(cut.productName, u"Pip Hunter");
    EXPECT_EQ(cut.version[0], u"2");
    EXPECT_EQ(cut.version[1], u"11");  // 11 fits in the two bytes that are left
    EXPECT_EQ(cut.version[2], u"0");
    EXPECT_TRUE(cut.publisher.empty());
    EXPECT_TRUE(cut.paths[0].empty());

    // Bytes beyond the record are ignored.
    Bytes longer = full;
    longer.resize(kSize + 4096, 0xAB);
    ExpectSameProject(DecodeProjectRecord(longer.data(), longer.size()), FullModel());
}

TEST(ProjectRecord, CountsOutsideZeroToTenAreHeldInRange) {
    Bytes b(kSize, 0);
    PokeI32(&b, 0x00490, -1);
    PokeText(&b, 0x00494, u"never read");
    PokeI32(&b, 0x018E4, INT32_MIN);
    PokeI32(&b, 0x02D38, 11);
    PokeI32(&b, 0x06A34, 0x7FFFFFFF);
    for (int i = 0; i < 10; ++i) {
        PokeText(&b, 0x02D3C + 520 * i, u"s" + text::FromInt(i));
        PokeText(&b, 0x06A38 + 520 * i, u"o" + text::FromInt(i));
    }
    const ProjectModel m = DecodeProjectRecord(b.data(), b.size());
    EXPECT_TRUE(m.paths[0].empty());
    EXPECT_TRUE(m.paths[1].empty());
    ASSERT_EQ(m.paths[2].size(), 10u);
    EXPECT_EQ(m.paths[2][9], u"s9");
    ASSERT_EQ(m.otherFiles.size(), 10u);
    EXPECT_EQ(m.otherFiles[9].fileName, u"o9");

    // Written back, the counts are the numbers of items actually held.
    const Bytes again = EncodeProjectRecord(m);
    EXPECT_EQ(I32At(again, 0x00490), 0);
    EXPECT_TRUE(AllZero(again, 0x00494, 0x00494 + 520));
    EXPECT_EQ(I32At(again, 0x018E4), 0);
    EXPECT_EQ(I32At(again, 0x02D38), 10);
    EXPECT_EQ(I32At(again, 0x06A34), 10);
}

TEST(ProjectRecord, UnterminatedTextsEndAtTheirField) {
    Bytes b(kSize, 0);
    const std::u16string name(64, u'N');
    PokeText(&b, 0x00000, name);
    PokeText(&b, 0x00080, u"Dir");
    const std::u16string path(260, u'p');
    PokeI32(&b, 0x00490, 1);
    PokeText(&b, 0x00494, path);
    PokeText(&b, 0x00494 + 520, u"slot one");
    PokeI32(&b, 0x06A34, 1);
    PokeText(&b, 0x0F868, path);  // last column of entry 0
    PokeText(&b, 0x0F868 + 520, u"entry one");
    PokeText(&b, 0x2EB48, path);  // the field that ends the record

    const ProjectModel m = DecodeProjectRecord(b.data(), b.size());
    EXPECT_EQ(m.productName, name);
    EXPECT_EQ(m.productDirectory, u"Dir");
    ASSERT_EQ(m.paths[0].size(), 1u);
    EXPECT_EQ(m.paths[0][0], path);
    EXPECT_EQ(m.otherFiles.at(0).postExecute, path);
    EXPECT_EQ(m.targetFile, path);

    // Such a text loses its last unit when written, to make room for the terminator.
    const Bytes again = EncodeProjectRecord(m);
    EXPECT_TRUE(TextAt(again, 0x00000, std::u16string(63, u'N')));
    EXPECT_TRUE(TextAt(again, 0x00080, u"Dir"));
    EXPECT_TRUE(TextAt(again, 0x2EB48, std::u16string(259, u'p')));
}

TEST(ProjectRecord, OverlongTextsAreCutOnlyWhenWritten) {
    ProjectModel m = EmptyModel();
    m.productName = std::u16string(100, u'x');
    m.productDirectory = u"Next";
    m.productUrl = std::u16string(127, u'u');  // exactly fits
    m.licenseRtf = std::u16string(30000, u'L');
    m.readmeRtf = u"{\\rtf1 R}";
    m.targetFile = std::u16string(300, u't');
    // A surrogate pair straddling the last kept unit is dropped whole.
    m.contactName = std::u16string(62, u'c') + u"\U0001F600";
    for (int i = 0; i < 11; ++i) m.paths[4].push_back(u"d" + text::FromInt(i));

    const Bytes b = EncodeProjectRecord(m);
    ASSERT_EQ(b.size(), kSize);
    EXPECT_EQ(m.productName.size(), 100u);  // the model keeps what was typed
    EXPECT_TRUE(TextAt(b, 0x00000, std::u16string(63, u'x')));
    EXPECT_TRUE(TextAt(b, 0x00080, u"Next"));
    EXPECT_TRUE(TextAt(b, 0x00290, std::u16string(127, u'u')));
    EXPECT_TRUE(TextAt(b, 0x00390, std::u16string(62, u'c')));
    EXPECT_TRUE(TextAt(b, 0x10CD8, std::u16string(20239, u'L')));
    EXPECT_TRUE(TextAt(b, 0x1AAF8, u"{\\rtf1 R}"));
    EXPECT_TRUE(TextAt(b, 0x2EB48, std::u16string(259, u't')));
    EXPECT_EQ(I32At(b, 0x0418C), 10);
    EXPECT_TRUE(TextAt(b, 0x04190 + 9 * 520, u"d9"));
    EXPECT_TRUE(TextAt(b, 0x055E0 + 4, u""));  // the Sounds block after it is untouched
    EXPECT_EQ(I32At(b, 0x055E0), 0);

    const std::vector<std::u16string> expected = {u"Product Name", u"Contact Name",
                                                  u"DLL Files for Expert Advisors file 11",
                                                  u"License Agreement", u"Target File"};
    EXPECT_EQ(FieldsCutInRecord(m), expected);
}

TEST(ProjectRecord, FieldsCutListsOtherFilesEntriesOnce) {
    ProjectModel m = FullModel();
    EXPECT_TRUE(FieldsCutInRecord(m).empty());
    m.otherFiles[1].parameters = std::u16string(260, u'p');
    m.otherFiles[1].shortcut = std::u16string(400, u's');
    EXPECT_EQ(FieldsCutInRecord(m), std::vector<std::u16string>{u"Other Files file 2"});
}

TEST(ProjectRecord, ModelRoundTrip) {
    const ProjectModel m = FullModel();
    const Bytes b = EncodeProjectRecord(m);
    const ProjectModel back = DecodeProjectRecord(b.data(), b.size());
    ExpectSameProject(back, m);
    EXPECT_EQ(EncodeProjectRecord(back), b);
}

TEST(ProjectRecord, ArbitraryBytesDecodeSafelyAndSettleAfterOneRewrite) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20; ++round) {
        Bytes noise(kSize);
        // A quarter of the bytes are zero, so texts end at varying places.
        for (auto& byte : noise) byte = static_cast<uint8_t>(random() % 4 == 0 ? 0 : random());
        const ProjectModel first = DecodeProjectRecord(noise.data(), noise.size());
        const Bytes written = EncodeProjectRecord(first);
        ASSERT_EQ(written.size(), kSize);
        const ProjectModel second = DecodeProjectRecord(written.data(), written.size());
        EXPECT_EQ(EncodeProjectRecord(second), written) << "round " << round;
    }
}

}  // namespace
}  // namespace project
