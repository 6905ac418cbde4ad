#include "installer/metatrader_folder.h"

#include <filesystem>

#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using installer::AddCandidateFolder;
using installer::AddFolderOutcome;
using installer::IsMetaTraderFolder;

class MetaTraderFolderTest : public FakeMachineTest {
  protected:
    void MakeFolder(const os::Path& path) const { std::filesystem::create_directories(Host(path)); }
    // A terminal folder with the four entries, names as given.
    void MakeTerminal(const os::Path& path, const char16_t* exe = u"terminal.exe",
                      const char16_t* experts = u"experts", const char16_t* sounds = u"sounds",
                      const char16_t* config = u"config") const {
        MakeFolder(path);
        if (exe) WriteHostFile(path + u"\\" + exe, "MZ");
        if (experts) MakeFolder(path + u"\\" + experts);
        if (sounds) MakeFolder(path + u"\\" + sounds);
        if (config) MakeFolder(path + u"\\" + config);
    }
};

TEST_F(MetaTraderFolderTest, AcceptsTheFourEntriesInAnyLetterCaseBesideExtras) {
    MakeTerminal(u"C:\\MT4");
    EXPECT_TRUE(IsMetaTraderFolder(u"C:\\MT4"));

    MakeTerminal(u"C:\\Shouting", u"TERMINAL.EXE", u"Experts", u"SOUNDS", u"Config");
    WriteHostFile(u"C:\\Shouting\\metaeditor.exe", "MZ");
    MakeFolder(u"C:\\Shouting\\history");
    MakeFolder(u"C:\\Shouting\\experts2");
    EXPECT_TRUE(IsMetaTraderFolder(u"C:\\Shouting"));
    // A trailing backslash, as a folder browser may return for a drive's root.
    EXPECT_TRUE(IsMetaTraderFolder(u"C:\\MT4\\"));
}

TEST_F(MetaTraderFolderTest, RefusesAMissingEntryOrAnEntryOfTheWrongKind) {
    MakeTerminal(u"C:\\NoExe", nullptr);
    MakeTerminal(u"C:\\NoExperts", u"terminal.exe", nullptr);
    MakeTerminal(u"C:\\NoSounds", u"terminal.exe", u"experts", nullptr);
    MakeTerminal(u"C:\\NoConfig", u"terminal.exe", u"experts", u"sounds", nullptr);
    for (const char16_t* path :
         {u"C:\\NoExe", u"C:\\NoExperts", u"C:\\NoSounds", u"C:\\NoConfig"}) {
        EXPECT_FALSE(IsMetaTraderFolder(path)) << Host(path);
    }

    MakeTerminal(u"C:\\ExeIsFolder", nullptr);
    MakeFolder(u"C:\\ExeIsFolder\\terminal.exe");
    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\ExeIsFolder"));

    MakeTerminal(u"C:\\ConfigIsFile", u"terminal.exe", u"experts", u"sounds", nullptr);
    WriteHostFile(u"C:\\ConfigIsFile\\config", "");
    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\ConfigIsFile"));

    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\DoesNotExist"));
}

TEST_F(MetaTraderFolderTest, TwoSpellingsOfOneFolderDoNotStandInForAMissingOne) {
    // Possible on a case-sensitive file system: "experts" twice, no "sounds".
    MakeTerminal(u"C:\\Twice", u"terminal.exe", u"experts", u"Experts");
    EXPECT_FALSE(IsMetaTraderFolder(u"C:\\Twice"));
}

TEST_F(MetaTraderFolderTest, DiscoveryKeepsTheListingOrderOfDirectSubfoldersOnly) {
    const os::Path pf = u"C:\\Program Files (x86)";
    for (const char16_t* name : {u"Zeta MT4", u"Alpha MT4", u"Mid MT4", u"Beta MT4"}) {
        MakeTerminal(pf + u"\\" + name);
    }
    MakeFolder(pf + u"\\Other App");
    MakeTerminal(pf + u"\\Vendor\\Nested MT4");  // two levels down: not searched
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
    EXPECT_EQ(installer::DiscoverMetaTraderFolders(), expected);
}

TEST_F(MetaTraderFolderTest, DiscoveryIsEmptyWhenProgramFilesCannotBeListed) {
    os::fake::SetKnownFolder(os::KnownFolder::ProgramFiles, u"C:\\Nowhere");
    EXPECT_TRUE(installer::DiscoverMetaTraderFolders().empty());
    os::fake::FailKnownFolder(os::KnownFolder::ProgramFiles);
    EXPECT_TRUE(installer::DiscoverMetaTraderFolders().empty());
}

TEST_F(MetaTraderFolderTest, AddingKeepsOneRowPerExactPathAndRefusesInvalidFolders) {
    MakeTerminal(u"D:\\Trading\\MT4");
    MakeTerminal(u"D:\\trading\\mt4");  // the same folder on Windows; the host tells them apart
    MakeFolder(u"D:\\Trading\\Empty");
    std::vector<os::Path> rows = {u"C:\\Program Files (x86)\\MT4"};

    EXPECT_EQ(AddCandidateFolder(u"D:\\Trading\\Empty", &rows), AddFolderOutcome::NotMetaTrader);
    EXPECT_EQ(AddCandidateFolder(u"D:\\Trading\\MT4", &rows), AddFolderOutcome::Added);
    EXPECT_EQ(AddCandidateFolder(u"D:\\Trading\\MT4", &rows), AddFolderOutcome::AlreadyListed);
    // The folder test ignores letter case, the duplicate check does not.
    EXPECT_EQ(AddCandidateFolder(u"d:\\trading\\mt4", &rows), AddFolderOutcome::Added);
    const std::vector<os::Path> expected = {u"C:\\Program Files (x86)\\MT4", u"D:\\Trading\\MT4",
                                            u"d:\\trading\\mt4"};
    EXPECT_EQ(rows, expected);
}

}  // namespace
