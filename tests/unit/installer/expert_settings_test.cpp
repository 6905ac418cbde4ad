#include "installer/expert_settings.h"

#include <filesystem>
#include <utility>

#include "tests/unit/os/fake_machine_fixture.h"
#include "tests/unit/installer/classic_terminals.h"

namespace {

using installer::SettingsResult;

const ExpertOptions kNoChange;  // every option 2

ExpertOptions AllOptions(int32_t state) {
    ExpertOptions options;
    for (auto field : kExpertOptionFields) options.*field = state;
    return options;
}

std::string DefaultBytes() {
    std::string bytes(292, '\0');
    bytes[0] = '\x90';
    bytes[1] = '\x01';
    for (int offset : {4, 8, 12, 20, 24, 28}) bytes[offset] = 1;
    return bytes;
}

// 300 bytes that are neither 0 nor 1, so every changed byte shows.
std::string PatternBytes(size_t size = 300) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(0xA0 + i % 50);
    return bytes;
}

class ExpertSettingsTest : public FakeMachineTest {
  protected:
    void MakeFolder(const os::Path& path) const { std::filesystem::create_directories(Host(path)); }
    std::vector<std::string> HostEntries(const os::Path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Host(folder))) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
};

TEST(ExpertSettingsRecordTest, DefaultRecordIsHeader400AndSixOptionsOn) {
    const auto record = installer::DefaultExpertSettings();
    EXPECT_EQ(std::string(record.begin(), record.end()), DefaultBytes());
}

TEST(ExpertSettingsRecordTest, EachOptionLandsAtItsOwnOffset) {
    const std::pair<int32_t ExpertOptions::*, int> offsets[] = {
        {&ExpertOptions::enableExperts, 4},           {&ExpertOptions::disableOnAccountChange, 8},
        {&ExpertOptions::disableOnProfileChange, 12}, {&ExpertOptions::allowDllImports, 20},
        {&ExpertOptions::confirmDllCalls, 24},        {&ExpertOptions::allowExternalImports, 28},
        {&ExpertOptions::allowLiveTrading, 36},       {&ExpertOptions::askManualConfirmation, 40},
    };
    for (int option = 0; option < 8; ++option) {
        for (int32_t state : {0, 1}) {
            ExpertOptions options;
            options.*offsets[option].first = state;
            std::string bytes = PatternBytes();
            installer::PatchExpertOptions(options, 0, reinterpret_cast<uint8_t*>(&bytes[0]),
                                          bytes.size());
            std::string expected = PatternBytes();
            expected[offsets[option].second] = static_cast<char>(state);
            EXPECT_EQ(bytes, expected) << "option " << option << " state " << state;
        }
    }
}

TEST(ExpertSettingsRecordTest, PatchingASpanOfTheFileTouchesOnlyOffsetsInside) {
    const ExpertOptions allOff = AllOptions(0);
    // File bytes 30..49: only offsets 36 and 40 lie inside.
    std::string span = PatternBytes(20);
    installer::PatchExpertOptions(allOff, 30, reinterpret_cast<uint8_t*>(&span[0]), span.size());
    std::string expected = PatternBytes(20);
    expected[6] = 0;
    expected[10] = 0;
    EXPECT_EQ(span, expected);
}

TEST_F(ExpertSettingsTest, UpdateChangesOnlyTheChosenBytesAndKeepsTheLength) {
    const os::Path file = u"C:\\MT4\\config\\experts.ini";
    MakeFolder(u"C:\\MT4\\config");
    // Longer than one read buffer, to cover a file read in several pieces.
    const std::string original = PatternBytes(5000);
    WriteHostFile(file, original);

    ExpertOptions options;
    options.allowLiveTrading = 0;
    options.askManualConfirmation = 1;
    EXPECT_EQ(installer::UpdateExpertSettingsFile(file, options), SettingsResult::Written);
    std::string expected = original;
    expected[36] = 0;
    expected[40] = 1;
    EXPECT_EQ(ReadHostFile(file), expected);

    EXPECT_EQ(installer::UpdateExpertSettingsFile(file, kNoChange), SettingsResult::Written);
    EXPECT_EQ(ReadHostFile(file), expected);
    EXPECT_EQ(HostEntries(u"C:\\MT4\\config"), std::vector<std::string>{"experts.ini"});
}

TEST_F(ExpertSettingsTest, AFileTooShortForTheLastOptionIsLeftAlone) {
    const os::Path file = u"C:\\MT4\\config\\experts.ini";
    MakeFolder(u"C:\\MT4\\config");
    const ExpertOptions allOn = AllOptions(1);
    WriteHostFile(file, PatternBytes(40));
    EXPECT_EQ(installer::UpdateExpertSettingsFile(file, allOn), SettingsResult::TooShort);
    EXPECT_EQ(ReadHostFile(file), PatternBytes(40));
    WriteHostFile(file, "");
    EXPECT_EQ(installer::UpdateExpertSettingsFile(file, allOn), SettingsResult::TooShort);
    EXPECT_EQ(ReadHostFile(file), "");
    // 41 bytes reach offset 40 and are written.
    WriteHostFile(file, PatternBytes(41));
    EXPECT_EQ(installer::UpdateExpertSettingsFile(file, allOn), SettingsResult::Written);
    EXPECT_EQ(ReadHostFile(file).size(), 41u);
    EXPECT_EQ(ReadHostFile(file)[40], 1);
    EXPECT_EQ(HostEntries(u"C:\\MT4\\config"), std::vector<std::string>{"experts.ini"});
}

TEST_F(ExpertSettingsTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    const os::Path file = u"C:\\MT4\\config\\experts.ini";
    MakeFolder(u"C:\\MT4\\config");
    const ExpertOptions allOff = AllOptions(0);
    using os::fake::Operation;
    for (Operation fault : {Operation::Read, Operation::Write, Operation::Move}) {
        WriteHostFile(file, PatternBytes());
        os::fake::ClearFaults();
        os::fake::FailNth(fault, 1);
        EXPECT_EQ(installer::UpdateExpertSettingsFile(file, allOff), SettingsResult::Failed);
        EXPECT_EQ(ReadHostFile(file), PatternBytes());
        EXPECT_EQ(HostEntries(u"C:\\MT4\\config"), std::vector<std::string>{"experts.ini"});
    }
    os::fake::ClearFaults();
    EXPECT_EQ(installer::UpdateExpertSettingsFile(u"C:\\MT4\\config\\missing.ini", allOff),
              SettingsResult::Failed);
    EXPECT_FALSE(HostExists(u"C:\\MT4\\config\\missing.ini"));
}

TEST_F(ExpertSettingsTest, TerminalWithoutSettingsGetsTheDefaultRecordWithOptions) {
    MakeFolder(u"C:\\MT4\\config");
    ExpertOptions options;
    options.enableExperts = 0;
    options.confirmDllCalls = 0;
    options.askManualConfirmation = 1;
    installer::WriteExpertOptions(options, ClassicTerminals({u"C:\\MT4"}));
    std::string expected = DefaultBytes();
    expected[4] = 0;
    expected[24] = 0;
    expected[40] = 1;
    EXPECT_EQ(ReadHostFile(u"C:\\MT4\\config\\experts.ini"), expected);
}

TEST_F(ExpertSettingsTest, VirtualCopiesAreWrittenOnlyWhereTheVirtualConfigFolderExists) {
    // Profiles live beside the current user's profile, C:\users\tester.
    const os::Path store = u"\\AppData\\Local\\VirtualStore\\Program Files (x86)\\MT4\\config";
    const os::Path tester = u"C:\\users\\tester" + store;
    const os::Path anna = u"C:\\users\\anna" + store;
    MakeFolder(u"C:\\Program Files (x86)\\MT4\\config");
    MakeFolder(tester);
    MakeFolder(anna);
    MakeFolder(u"C:\\users\\bob\\AppData\\Local\\VirtualStore");
    MakeFolder(u"C:\\users\\carl");
    WriteHostFile(u"C:\\users\\notes.txt", "not a profile");
    WriteHostFile(tester + u"\\experts.ini", PatternBytes());

    ExpertOptions options;
    options.allowDllImports = 0;
    installer::WriteExpertOptions(options, ClassicTerminals({u"C:\\Program Files (x86)\\MT4"}));

    std::string patched = PatternBytes();
    patched[20] = 0;
    EXPECT_EQ(ReadHostFile(tester + u"\\experts.ini"), patched);
    std::string fresh = DefaultBytes();
    fresh[20] = 0;
    EXPECT_EQ(ReadHostFile(anna + u"\\experts.ini"), fresh);
    EXPECT_EQ(ReadHostFile(u"C:\\Program Files (x86)\\MT4\\config\\experts.ini"), fresh);
    EXPECT_FALSE(HostExists(u"C:\\users\\bob\\AppData\\Local\\VirtualStore\\Program Files (x86)"));
    EXPECT_FALSE(HostExists(u"C:\\users\\carl\\AppData"));
}

TEST_F(ExpertSettingsTest, FoldersOnTwoDrivesEachGetTheirOwnVirtualPath) {
    MakeFolder(u"C:\\Terminals\\A\\config");
    MakeFolder(u"D:\\Terminals\\B\\config");
    const os::Path storeA = u"C:\\users\\anna\\AppData\\Local\\VirtualStore\\Terminals\\A\\config";
    const os::Path storeB = u"C:\\users\\anna\\AppData\\Local\\VirtualStore\\Terminals\\B\\config";
    MakeFolder(storeA);
    MakeFolder(storeB);
    const ExpertOptions allOn = AllOptions(1);
    // A trailing backslash does not change where the files go.
    installer::WriteExpertOptions(allOn,
                                  ClassicTerminals({u"C:\\Terminals\\A", u"D:\\Terminals\\B\\"}));

    std::string expected = DefaultBytes();
    expected[36] = 1;
    expected[40] = 1;
    for (const os::Path& file : {storeA + u"\\experts.ini", storeB + u"\\experts.ini",
                                 os::Path(u"C:\\Terminals\\A\\config\\experts.ini"),
                                 os::Path(u"D:\\Terminals\\B\\config\\experts.ini")}) {
        EXPECT_EQ(ReadHostFile(file), expected) << Host(file);
    }
    EXPECT_FALSE(HostExists(u"C:\\Terminals\\B"));
}

TEST_F(ExpertSettingsTest, AShortTerminalFileIsLeftAndOtherFoldersStillGetTheirs) {
    MakeFolder(u"C:\\One\\config");
    MakeFolder(u"C:\\Two\\config");
    WriteHostFile(u"C:\\One\\config\\experts.ini", "short");
    const ExpertOptions allOff = AllOptions(0);
    installer::WriteExpertOptions(allOff, ClassicTerminals({u"C:\\One", u"C:\\Two"}));
    EXPECT_EQ(ReadHostFile(u"C:\\One\\config\\experts.ini"), "short");
    std::string expected = DefaultBytes();
    for (int offset : {4, 8, 12, 20, 24, 28}) expected[offset] = 0;
    EXPECT_EQ(ReadHostFile(u"C:\\Two\\config\\experts.ini"), expected);
}

}  // namespace
