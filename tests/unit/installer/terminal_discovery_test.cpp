#include "installer/terminal_discovery.h"

#include <algorithm>
#include <filesystem>

#include "tests/unit/installer/terminal_machine.h"

namespace {

using installer::AddCandidateFolder;
using installer::AddFolderOutcome;
using installer::IsMetaTraderFolder;
using installer::TerminalLayout;
using installer::TerminalTarget;

using MetaTraderFolderTest = TerminalMachineTest;

std::vector<std::u16string> Labels(const std::vector<TerminalTarget>& terminals) {
    std::vector<std::u16string> labels;
    for (const TerminalTarget& terminal : terminals) labels.push_back(terminal.label);
    return labels;
}

std::vector<os::Path> DataFolders(const std::vector<TerminalTarget>& terminals) {
    std::vector<os::Path> folders;
    for (const TerminalTarget& terminal : terminals) folders.push_back(terminal.dataFolder);
    return folders;
}

TEST_F(MetaTraderFolderTest, AcceptsTheFourEntriesInAnyLetterCaseBesideExtras) {
    MakeClassic(u"C:\\MT4");
    EXPECT_TRUE(IsMetaTraderFolder(u"C:\\MT4"));

    MakeClassic(u"C:\\Shouting", u"TERMINAL.EXE", u"Experts", u"SOUNDS", u"Config");
    WriteHostFile(u"C:\\Shouting\\metaeditor.exe", "MZ");
    MakeFolder(u"C:\\Shouting\\history");
    MakeFolder(u"C:\\Shouting\\experts2");
    EXPECT_TRUE(IsMetaTraderFolder(u"C:\\Shouting"));
    // A trailing backslash, as a folder browser may return for a drive's root.
    EXPECT_TRUE(IsMetaTraderFolder(u"C:\\MT4\\"));
}

TEST_F(MetaTraderFolderTest, RefusesAMissingEntryOrAnEntryOfTheWrongKind) {
    MakeClassic(u"C:\\NoExe", nullptr);
    MakeClassic(u"C:\\NoExperts", u"terminal.exe", nullptr);
    MakeClassic(u"C:\\NoSounds", u"terminal.exe", u"experts", nullptr);
    MakeClassic(u"C:\\NoConfig", u"terminal.exe", u"experts", u"sounds", nullptr);
    for (const char16_t* path :
         {u"C:\\NoExe", u"C:\\NoExperts", u"C:\\NoSounds", u"C:\\NoConfig"}) {
        EXPECT_FALSE(IsMetaTraderFolder(path)) << Host(path);
    }

    MakeClassic(u"C:\\ExeIsFolder", nullptr);
    MakeFolder(u"C:\\ExeIsFolder\\terminal.exe");
    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\ExeIsFolder"));

    MakeClassic(u"C:\\ConfigIsFile", u"terminal.exe", u"experts", u"sounds", nullptr);
    WriteHostFile(u"C:\\ConfigIsFile\\config", "");
    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\ConfigIsFile"));

    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\DoesNotExist"));
}

TEST_F(MetaTraderFolderTest, TwoSpellingsOfOneFolderDoNotStandInForAMissingOne) {
    // Possible on a case-sensitive file system: "experts" twice, no "sounds".
    MakeClassic(u"C:\\Twice", u"terminal.exe", u"experts", u"Experts");
    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\Twice"));
}

TEST_F(MetaTraderFolderTest, DiscoveryKeepsTheListingOrderOfDirectSubfoldersOnly) {
    const os::Path pf = u"C:\\Program Files (x86)";
    for (const char16_t* name : {u"Zeta MT4", u"Alpha MT4", u"Mid MT4", u"Beta MT4"}) {
        MakeClassic(pf + u"\\" + name);
    }
    MakeFolder(pf + u"\\Other App");
    MakeClassic(pf + u"\\Vendor\\Nested MT4");  // two levels down: not searched
    WriteHostFile(pf + u"\\terminal.exe", "MZ");

    std::vector<os::FolderEntry> listing;
    ASSERT_TRUE(os::ListFolder(pf, &listing));
    std::vector<os::Path> expected;
    for (const auto& entry : listing) {
        if (entry.name != u"Other App" && entry.name != u"Vendor" && entry.isFolder) {
            expected.push_back(pf + u"\\" + entry.name);
        }
    }
    ASSERT_EQ(expected.size(), 4u);
    const std::vector<TerminalTarget> found = installer::DiscoverTerminals();
    EXPECT_EQ(Labels(found), expected);
    EXPECT_EQ(DataFolders(found), expected);
    for (const TerminalTarget& terminal : found)
        EXPECT_EQ(terminal.layout, TerminalLayout::Classic);
}

TEST_F(MetaTraderFolderTest, DiscoveryIsEmptyWhenProgramFilesCannotBeListed) {
    os::fake::SetKnownFolder(os::KnownFolder::ProgramFiles, u"C:\\Nowhere");
    EXPECT_TRUE(installer::DiscoverTerminals().empty());
    os::fake::FailKnownFolder(os::KnownFolder::ProgramFiles);
    EXPECT_TRUE(installer::DiscoverTerminals().empty());
}

TEST_F(MetaTraderFolderTest, AddingKeepsOneRowPerExactPathAndRefusesInvalidFolders) {
    MakeClassic(u"D:\\Trading\\MT4");
    MakeClassic(u"D:\\trading\\mt4");  // the same folder on Windows; the host tells them apart
    MakeFolder(u"D:\\Trading\\Empty");
    std::vector<TerminalTarget> rows = {
        installer::OwnFolderTerminal(TerminalLayout::Classic, u"C:\\Program Files (x86)\\MT4")};

    EXPECT_EQ(AddCandidateFolder(u"D:\\Trading\\Empty", &rows), AddFolderOutcome::NotMetaTrader);
    EXPECT_EQ(AddCandidateFolder(u"D:\\Trading\\MT4", &rows), AddFolderOutcome::Added);
    EXPECT_EQ(AddCandidateFolder(u"D:\\Trading\\MT4", &rows), AddFolderOutcome::AlreadyListed);
    // The folder test ignores letter case, the duplicate check does not.
    EXPECT_EQ(AddCandidateFolder(u"d:\\trading\\mt4", &rows), AddFolderOutcome::Added);
    const std::vector<os::Path> expected = {u"C:\\Program Files (x86)\\MT4", u"D:\\Trading\\MT4",
                                            u"d:\\trading\\mt4"};
    EXPECT_EQ(Labels(rows), expected);
}

class CurrentTerminalTest : public TerminalMachineTest {
  protected:
    const os::Path pf = u"C:\\Program Files (x86)";
    const os::Path installed = pf + u"\\MetaTrader 4";
};

TEST_F(CurrentTerminalTest, DataFoldersAreRecognisedByTheirOriginFile) {
    MakeCurrentInstall(installed);
    // The first line names the installation folder: with or without a byte-order mark, with a
    // line end, with a trailing backslash.
    const std::pair<std::string, const char*> origins[] = {
        {Origin(installed), "mark"},
        {Origin(installed, false), "no mark"},
        {Origin(installed, true, u"\r\n"), "line end"},
        {Origin(installed + u"\\", false, u"\n"), "backslash"},
    };
    for (const auto& [bytes, what] : origins) {
        const os::Path data = MakeDataFolder(u"tester", kIdA, installed);
        WriteHostFile(data + u"\\origin.txt", bytes);
        TerminalTarget target;
        ASSERT_TRUE(installer::RecogniseDataFolder(data, &target)) << what;
        EXPECT_EQ(target.layout, TerminalLayout::Current) << what;
        EXPECT_EQ(target.installFolder, installed) << what;
        EXPECT_EQ(target.dataFolder, data) << what;
    }

    TerminalTarget unused;
    // Dangling: the installation folder is gone, or holds no terminal.exe.
    const os::Path gone = MakeDataFolder(u"tester", kIdB, u"C:\\Removed MT4");
    EXPECT_FALSE(installer::RecogniseDataFolder(gone, &unused));
    MakeFolder(u"C:\\Not A Terminal");
    WriteHostFile(gone + u"\\origin.txt", Origin(u"C:\\Not A Terminal"));
    EXPECT_FALSE(installer::RecogniseDataFolder(gone, &unused));
    // No MQL4 tree (a MetaTrader 5 data folder has MQL5), an empty or missing origin file.
    const os::Path five =
        u"C:\\users\\tester\\AppData\\Roaming\\MetaQuotes\\Terminal\\" + std::u16string(kIdC);
    MakeFolder(five + u"\\MQL5");
    WriteHostFile(five + u"\\origin.txt", Origin(installed));
    EXPECT_FALSE(installer::RecogniseDataFolder(five, &unused));
    MakeFolder(five + u"\\MQL4");
    WriteHostFile(five + u"\\origin.txt", Origin(u"", true, u"\r\n"));
    EXPECT_FALSE(installer::RecogniseDataFolder(five, &unused));
    std::filesystem::remove(Host(five + u"\\origin.txt"));
    EXPECT_FALSE(installer::RecogniseDataFolder(five, &unused));
}

TEST_F(CurrentTerminalTest, AFolderStandsForItsTerminalsInEitherLayout) {
    MakeCurrentInstall(installed);
    const os::Path tester = MakeDataFolder(u"tester", kIdA, installed);
    const os::Path anna = MakeDataFolder(u"anna", kIdA, installed);
    MakeCurrentInstall(u"D:\\Portable MT4");
    MakeCurrentInstall(u"D:\\Never Started", false);
    MakeClassic(u"D:\\Old MT4");
    // An old folder that an updated terminal left behind: its data folder decides.
    MakeClassic(u"D:\\Updated MT4");
    const os::Path updated = MakeDataFolder(u"tester", kIdB, u"D:\\Updated MT4");
    const std::vector<TerminalTarget> data = installer::ProfileDataFolders();
    ASSERT_EQ(data.size(), 3u);

    auto of = [&](const os::Path& folder) { return installer::TerminalsOfFolder(folder, data); };
    std::vector<os::Path> both = DataFolders(of(installed));
    std::sort(both.begin(), both.end());
    EXPECT_EQ(both, (std::vector<os::Path>{anna, tester}));
    EXPECT_EQ(DataFolders(of(u"c:\\program files (x86)\\metatrader 4\\")).size(), 2u)
        << "letter case and a trailing backslash do not matter";

    const std::vector<TerminalTarget> byData = of(anna);
    ASSERT_EQ(byData.size(), 1u);
    EXPECT_EQ(byData[0].layout, TerminalLayout::Current);
    EXPECT_EQ(byData[0].installFolder, installed);
    EXPECT_EQ(byData[0].profile, u"anna");

    const std::vector<TerminalTarget> portable = of(u"D:\\Portable MT4");
    ASSERT_EQ(portable.size(), 1u);
    EXPECT_EQ(portable[0].layout, TerminalLayout::Portable);
    EXPECT_EQ(portable[0].dataFolder, u"D:\\Portable MT4");
    EXPECT_EQ(std::u16string(installer::TerminalStartParameters(portable[0])), u"/portable");
    EXPECT_EQ(std::u16string(installer::TerminalStartParameters(byData[0])), u"");

    ASSERT_EQ(of(u"D:\\Old MT4").size(), 1u);
    EXPECT_EQ(of(u"D:\\Old MT4")[0].layout, TerminalLayout::Classic);
    EXPECT_EQ(DataFolders(of(u"D:\\Updated MT4")), (std::vector<os::Path>{updated}));
    EXPECT_TRUE(of(u"D:\\Never Started").empty());
    EXPECT_TRUE(of(installed + u"\\MQL4").empty());
    EXPECT_TRUE(of(u"D:\\Nowhere").empty());
}

TEST_F(CurrentTerminalTest, DiscoveryListsEveryTerminalOnceWithTheFolderTheUserKnows) {
    MakeCurrentInstall(installed);
    MakeClassic(pf + u"\\Old MT4");
    MakeCurrentInstall(pf + u"\\Portable MT4");
    MakeFolder(pf + u"\\Other App");
    // Found both ways: below Program Files and in two profiles.
    const os::Path tester = MakeDataFolder(u"tester", kIdA, installed);
    const os::Path anna = MakeDataFolder(u"anna", kIdA, installed);
    // Found only in a profile: installed elsewhere.
    MakeCurrentInstall(u"D:\\Broker MT4");
    const os::Path broker = MakeDataFolder(u"anna", kIdB, u"D:\\Broker MT4");
    // Not listed: a data folder of an uninstalled terminal, the shared folder of all
    // terminals, a folder that is no instance id.
    MakeDataFolder(u"tester", kIdC, u"D:\\Uninstalled MT4");
    MakeDataTree(u"C:\\users\\tester\\AppData\\Roaming\\MetaQuotes\\Terminal\\Common");
    MakeDataFolder(u"tester", u"not-an-id", installed);

    const std::vector<TerminalTarget> rows = installer::DiscoverTerminals();
    ASSERT_EQ(rows.size(), 5u) << text::ToUtf8(Labels(rows).empty() ? u"" : Labels(rows)[0]);
    // Program Files first, in its listing order; the profile-only terminal last.
    EXPECT_EQ(rows.back().dataFolder, broker);
    EXPECT_EQ(rows.back().label, u"D:\\Broker MT4");
    std::vector<std::u16string> labels = Labels(rows);
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, (std::vector<std::u16string>{
                          pf + u"\\MetaTrader 4 (anna)", pf + u"\\MetaTrader 4 (tester)",
                          pf + u"\\Old MT4", pf + u"\\Portable MT4", u"D:\\Broker MT4"}));
    for (const TerminalTarget& row : rows) {
        if (row.label == pf + u"\\MetaTrader 4 (anna)") {
            EXPECT_EQ(row.dataFolder, anna);
        } else if (row.label == pf + u"\\MetaTrader 4 (tester)") {
            EXPECT_EQ(row.dataFolder, tester);
        } else if (row.label == pf + u"\\Portable MT4") {
            EXPECT_EQ(row.layout, TerminalLayout::Portable);
        }
    }
}

TEST_F(CurrentTerminalTest, AddingByHandTakesEitherFolderOfACurrentTerminalOnce) {
    MakeCurrentInstall(u"D:\\Broker MT4");
    const os::Path data = MakeDataFolder(u"tester", kIdB, u"D:\\Broker MT4");
    MakeCurrentInstall(u"E:\\Portable");
    MakeCurrentInstall(u"E:\\Fresh", false);
    std::vector<TerminalTarget> rows;

    EXPECT_EQ(AddCandidateFolder(u"D:\\Broker MT4", &rows), AddFolderOutcome::Added);
    EXPECT_EQ(AddCandidateFolder(data, &rows), AddFolderOutcome::AlreadyListed);
    EXPECT_EQ(AddCandidateFolder(u"d:\\broker mt4", &rows), AddFolderOutcome::AlreadyListed);
    EXPECT_EQ(AddCandidateFolder(u"E:\\Portable", &rows), AddFolderOutcome::Added);
    EXPECT_EQ(AddCandidateFolder(u"E:\\Fresh", &rows), AddFolderOutcome::NotMetaTrader);
    EXPECT_EQ(Labels(rows), (std::vector<std::u16string>{u"D:\\Broker MT4", u"E:\\Portable"}));
    EXPECT_EQ(DataFolders(rows), (std::vector<os::Path>{data, u"E:\\Portable"}));
}

}  // namespace
