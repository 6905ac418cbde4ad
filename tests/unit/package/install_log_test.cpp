// "Install.log": the writer's image and the reader's tolerance of damaged files.
#include "package/install_log.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using package::InstallLog;

std::string Slot(const std::u16string& path) {
    std::string slot;
    AppendUnits(&slot, path);
    slot.resize(520, '\0');
    return slot;
}

InstallLog Parse(const std::string& bytes) {
    return InstallLog::FromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(InstallLog, ImageOfAFewEntries) {
    InstallLog log;
    EXPECT_EQ(log.Bytes(), std::vector<uint8_t>(52004, 0));
    ASSERT_TRUE(log.Add(u"C:\\a.txt"));
    ASSERT_TRUE(log.Add(u"C:\\b\\c.lnk"));
    std::string expected;
    AppendI32(&expected, 2);
    expected += Slot(u"C:\\a.txt") + Slot(u"C:\\b\\c.lnk");
    expected.resize(52004, '\0');
    EXPECT_TRUE(std::string(log.Bytes().begin(), log.Bytes().end()) == expected);
}

TEST(InstallLog, StopsAtAHundredAndRefusesWhatASlotCannotHold) {
    InstallLog log;
    EXPECT_FALSE(log.Add(u""));
    EXPECT_FALSE(log.Add(std::u16string(260, u'x')));
    EXPECT_TRUE(log.Add(std::u16string(259, u'x')));
    for (int i = 1; i < 100; ++i) ASSERT_TRUE(log.Add(u"C:\\f"));
    EXPECT_FALSE(log.Add(u"C:\\one too many"));
    EXPECT_EQ(log.Count(), 100);
    EXPECT_EQ(log.Bytes().size(), 52004u);
    EXPECT_EQ(log.Entry(0), std::u16string(259, u'x'));
    EXPECT_EQ(log.Entry(100), u"");
}

TEST(InstallLog, ReaderClampsTheCountAndSkipsBadSlots) {
    InstallLog good;
    good.Add(u"C:\\one");
    good.Add(u"C:\\two");
    std::string bytes(good.Bytes().begin(), good.Bytes().end());

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

using InstallLogFileTest = PackageTest;

TEST_F(InstallLogFileTest, WriteThenRead) {
    InstallLog log;
    log.Add(u"C:\\Program Files (x86)\\P\\x.ex4");
    log.Add(u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\P\\Readme.lnk");
    ASSERT_TRUE(log.Write(u"C:\\out\\Install.log"));
    EXPECT_EQ(Read(u"C:\\out\\Install.log").size(), 52004u);

    InstallLog back;
    ASSERT_TRUE(InstallLog::Read(u"C:\\out\\Install.log", &back));
    EXPECT_EQ(back.Entries(), log.Entries());
    EXPECT_FALSE(InstallLog::Read(u"C:\\out\\missing.log", &back));
}

}  // namespace
