// "Install.log": the writer's image, its extension beyond the hundred slots, and the reader's
// tolerance of damaged files.
#include "package/install_log.h"

#include "base/text.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using package::InstallLog;
using package::LogEntryKind;

std::string Slot(const std::u16string& path) {
    std::string slot;
    AppendUnits(&slot, path);
    slot.resize(520, '\0');
    return slot;
}

void AppendEntry(std::string* bytes, uint16_t kind, const std::u16string& path) {
    *bytes += static_cast<char>(kind);
    *bytes += '\0';
    *bytes += static_cast<char>(path.size());
    *bytes += static_cast<char>(path.size() >> 8);
    AppendUnits(bytes, path);
}

std::string Image(const InstallLog& log) {
    const std::vector<uint8_t> bytes = log.Bytes();
    return std::string(bytes.begin(), bytes.end());
}

InstallLog Parse(const std::string& bytes) {
    return InstallLog::FromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(InstallLog, ImageOfAFewEntries) {
    InstallLog log;
    std::string empty(52004, '\0');
    empty += std::string("TSKLOG2\0", 8);
    AppendI32(&empty, 0);
    EXPECT_EQ(Image(log), empty);

    ASSERT_TRUE(log.Add(u"C:\\a.txt"));
    ASSERT_TRUE(log.Add(u"C:\\P\\kept.dll", LogEntryKind::Keep));
    ASSERT_TRUE(log.Add(u"C:\\b\\c.lnk"));
    ASSERT_TRUE(log.Add(u"C:\\b", LogEntryKind::CreatedFolder));
    // The original part holds the files to remove; the extension every entry, in order.
    std::string expected;
    AppendI32(&expected, 2);
    expected += Slot(u"C:\\a.txt") + Slot(u"C:\\b\\c.lnk");
    expected.resize(52004, '\0');
    expected += std::string("TSKLOG2\0", 8);
    AppendI32(&expected, 4);
    AppendEntry(&expected, 0, u"C:\\a.txt");
    AppendEntry(&expected, 1, u"C:\\P\\kept.dll");
    AppendEntry(&expected, 0, u"C:\\b\\c.lnk");
    AppendEntry(&expected, 2, u"C:\\b");
    EXPECT_EQ(Image(log), expected);
    EXPECT_EQ(Parse(expected).All().size(), 4u);
    EXPECT_EQ(Parse(expected).Paths(LogEntryKind::Keep),
              std::vector<std::u16string>{u"C:\\P\\kept.dll"});
}

TEST(InstallLog, ListsEveryEntryOnceAndTheFirstHundredInTheSlots) {
    InstallLog log;
    EXPECT_FALSE(log.Add(u""));
    EXPECT_FALSE(log.Add(std::u16string(260, u'x')));
    EXPECT_TRUE(log.Add(std::u16string(259, u'x')));
    // 256 records in three terminals, and a shortcut for each.
    std::vector<std::u16string> paths = {std::u16string(259, u'x')};
    for (int record = 0; record < 256; ++record) {
        for (const char16_t* terminal : {u"C:\\MT4 A", u"D:\\MT4 B", u"E:\\MT4 C"}) {
            paths.push_back(std::u16string(terminal) + u"\\experts\\f" + text::FromInt(record) +
                            u".ex4");
        }
        paths.push_back(u"C:\\Group\\s" + text::FromInt(record) + u".lnk");
    }
    for (size_t i = 1; i < paths.size(); ++i) ASSERT_TRUE(log.Add(paths[i]));
    // Nothing twice, letter case aside.
    EXPECT_FALSE(log.Add(u"c:\\mt4 a\\EXPERTS\\f0.ex4"));
    EXPECT_FALSE(log.Add(u"C:\\MT4 A\\experts\\f0.ex4", LogEntryKind::Keep));
    EXPECT_EQ(log.Entries(), paths);

    const std::string image = Image(log);
    const InstallLog back = Parse(image);
    EXPECT_EQ(back.Entries(), paths);
    // A reader of the original layout sees the first hundred.
    const InstallLog original = Parse(image.substr(0, 52004));
    EXPECT_EQ(original.Entries(), std::vector<std::u16string>(paths.begin(), paths.begin() + 100));
}

TEST(InstallLog, ReaderClampsTheCountAndSkipsBadSlots) {
    InstallLog good;
    good.Add(u"C:\\one");
    good.Add(u"C:\\two");
    // A list as the original layout has it, without the extension.
    std::string bytes = Image(good).substr(0, 52004);

    for (const int32_t count : {-1, INT32_MIN}) {
        SetI32At(&bytes, 0, count);
        EXPECT_EQ(Parse(bytes).Count(), 0) << count;
    }
    // A count above 100 reads the 100 slots; empty slots are no paths.
    SetI32At(&bytes, 0, 5000);
    EXPECT_EQ(Parse(bytes).Entries(), (std::vector<std::u16string>{u"C:\\one", u"C:\\two"}));

    // A slot without its terminator is skipped, the others stay.
    SetI32At(&bytes, 0, 2);
    std::string unterminated = bytes;
    for (size_t i = 4; i < 4 + 520; i += 2) unterminated[i] = 'z';
    EXPECT_EQ(Parse(unterminated).Entries(), std::vector<std::u16string>{u"C:\\two"});

    // A short file holds only the slots it has whole.
    EXPECT_EQ(Parse(bytes.substr(0, 4 + 520 + 519)).Entries(),
              std::vector<std::u16string>{u"C:\\one"});
    EXPECT_EQ(Parse(bytes.substr(0, 3)).Count(), 0);
    EXPECT_EQ(InstallLog::FromBytes(nullptr, 0).Count(), 0);
}

TEST(InstallLog, ADamagedExtensionKeepsWhatIsWholeAndTheSlots) {
    InstallLog log;
    for (int i = 0; i < 103; ++i) log.Add(u"C:\\f" + text::FromInt(i));
    log.Add(u"C:\\kept", LogEntryKind::Keep);
    const std::string image = Image(log);
    // Cut anywhere in the extension: the slots' hundred and the whole entries before the cut.
    for (size_t cut = 52004; cut <= image.size(); ++cut) {
        const InstallLog back = Parse(image.substr(0, cut));
        const size_t whole = back.Entries().size();
        ASSERT_GE(whole, 100u) << cut;
        for (size_t i = 0; i < whole; ++i) ASSERT_EQ(back.Entries()[i], log.Entries()[i]) << cut;
        EXPECT_EQ(back.Paths(LogEntryKind::Keep).size(), cut == image.size() ? 1u : 0u) << cut;
    }
    // A wrong mark, an unknown kind, a count beyond the entries.
    std::string wrongMark = image;
    wrongMark[52004] = 'X';
    EXPECT_EQ(Parse(wrongMark).Count(), 100);
    std::string unknownKind = image;
    const size_t thirdEntry = 52016 + 2 * (4 + 2 * 5);  // "C:\f0" and "C:\f1" come first
    unknownKind[thirdEntry] = 7;
    EXPECT_EQ(Parse(unknownKind).Count(), 100);
    std::string moreCounted = image;
    SetI32At(&moreCounted, 52012, 1 << 30);
    EXPECT_EQ(Parse(moreCounted).Count(), log.Count());
}

TEST(InstallLog, AnEarlierListAddsWhatStillExistsOnce) {
    InstallLog earlier;
    earlier.Add(u"C:\\MT4\\experts\\both.ex4");
    earlier.Add(u"C:\\MT4\\experts\\dropped.ex4");
    earlier.Add(u"C:\\MT4\\experts\\deleted.ex4");
    earlier.Add(u"C:\\P\\kept.dat", LogEntryKind::Keep);
    InstallLog now;
    now.Add(u"C:\\MT4\\EXPERTS\\both.ex4");
    now.Add(u"C:\\MT4\\experts\\new.ex4");
    now.AddEarlier(earlier, [](const std::u16string& path) {
        return path.find(u"deleted") == std::u16string::npos;
    });
    EXPECT_EQ(now.Entries(), (std::vector<std::u16string>{u"C:\\MT4\\EXPERTS\\both.ex4",
                                                          u"C:\\MT4\\experts\\new.ex4",
                                                          u"C:\\MT4\\experts\\dropped.ex4"}));
    EXPECT_EQ(now.Paths(LogEntryKind::Keep), std::vector<std::u16string>{u"C:\\P\\kept.dat"});
}

using InstallLogFileTest = PackageTest;

TEST_F(InstallLogFileTest, WriteThenRead) {
    InstallLog log;
    log.Add(u"C:\\Program Files (x86)\\P\\x.ex4");
    log.Add(u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\P\\Readme.lnk");
    ASSERT_TRUE(log.Write(u"C:\\out\\Install.log"));
    EXPECT_EQ(Read(u"C:\\out\\Install.log"), Image(log));

    InstallLog back;
    ASSERT_TRUE(InstallLog::Read(u"C:\\out\\Install.log", &back));
    EXPECT_EQ(back.Entries(), log.Entries());
    EXPECT_FALSE(InstallLog::Read(u"C:\\out\\missing.log", &back));
}

}  // namespace
