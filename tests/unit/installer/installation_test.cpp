// The installation run and the opening of the package on the fake machine: what the run
// reports, what it queues for Finish, and in which order it does the uninstaller's steps.
#include "installer/installation.h"

#include <string>
#include <vector>

#include "base/text.h"
#include "os/posix/fake_machine.h"
#include "package/install_log.h"
#include "tests/unit/package/package_fixture.h"
#include "tests/unit/installer/classic_terminals.h"

namespace {

const os::Path kSetup = u"C:\\out\\setup.exe";
const os::Path kProduct = u"C:\\Program Files (x86)\\Scout";
const os::Path kGroup = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Scout Tools";
const os::Path kTemp = u"C:\\users\\tester\\Temp\\";
const os::Path kTerminalA = u"C:\\Program Files (x86)\\MT4 A";
const os::Path kTerminalB = u"D:\\Trading\\MT4 B";

struct Entry {
    std::u16string name;
    std::u16string destination;
    std::u16string shortcut = u"";
    std::u16string parameters = u"";
    std::u16string postExecute = u"";
};

// The five leading entries every setup has, then the product's own files.
std::vector<Entry> ProductEntries() {
    return {
        {u"scout.ico", u""},
        {u"banner.jpg", u""},
        {u"License.rtf", u"{app}\\"},
        {u"Readme.rtf", u"", u"ReadMe"},
        {u"What's New.rtf", u""},
        {u"Scout.ex4", u"{metatrader}\\experts\\"},
        {u"setup_helper.exe", u"{app}\\", u"", u"--first run", u"Yes"},
        {u"notes.exe", u"{app}\\", u"", u"", u"yes"},
        {u"Guide.txt", u"{mydocuments}\\Scout\\", u"Guide"},
    };
}

class RecordingObserver : public installer::InstallationObserver {
  public:
    void FileInstalled() override { ++steps; }
    void LogLine(const std::u16string& line) override { lines.push_back(text::ToUtf8(line)); }

    int steps = 0;
    std::vector<std::string> lines;
};

// The Windows-only steps, recorded. The program it "writes" is a file, so that the shortcut to
// it has a target.
class RecordingUninstaller : public installer::UninstallerSetup {
  public:
    void WriteProgram(const os::Path& program) override {
        calls.push_back("write " + text::ToUtf8(program));
        os::File file;
        if (file.Create(program)) file.Write("MZ", 2);
    }
    void Brand(const os::Path& program, const os::Path& bannerFile) override {
        calls.push_back("brand " + text::ToUtf8(program) + " with " + text::ToUtf8(bannerFile));
    }
    void Register(const os::Path& program, const ProjectStrings& strings, uint32_t) override {
        calls.push_back("register " + text::ToUtf8(program) + " as " +
                        text::ToUtf8(strings.productName));
    }

    std::vector<std::string> calls;
};

class InstallationTest : public PackageTest {
  protected:
    void Build(const std::vector<Entry>& entries) {
        CSelfExtractor writer;
        for (const Entry& e : entries) {
            MakeFile(sourceFolder_ + e.name, "bytes of " + text::ToUtf8(e.name));
            ASSERT_TRUE(writer.AddFile(sourceFolder_ + e.name, e.destination, e.shortcut,
                                       e.parameters, u"", u"", u"", e.postExecute));
        }
        writer.SetProjectInfo(u"Scout", u"Scout", u"Scout Tools", u"129", u"1.0.0.2", u"", u"", u"",
                              u"", u"");
        writer.SetExpertOptions(1, 2, 2, 0, 2, 2, 2, 2);
        CreateSetup(writer, kSetup);
    }

    // A session as step 1 leaves it: the package opened, two terminals chosen.
    void Open(installer::InstallSession* session) {
        for (const os::Path& terminal : {kTerminalA, kTerminalB}) {
            ASSERT_TRUE(os::CreateFolderTree(terminal + u"\\config"));
        }
        session->packageReader.SetModulePath(kSetup);
        installer::OpenPackage(session);
        session->chosenTerminals = ClassicTerminals({kTerminalA, kTerminalB});
    }

    installer::InstallSession session_;
    RecordingObserver observer_;
    RecordingUninstaller uninstaller_;
};

TEST_F(InstallationTest, OpeningThePackageExtractsTheLeadingEntriesIntoTheTemporaryFolder) {
    Build(ProductEntries());
    Open(&session_);

    EXPECT_EQ(session_.temporaryFolder, kTemp);
    EXPECT_EQ(session_.iconFileName, u"scout.ico");
    EXPECT_EQ(session_.bannerFileName, u"banner.jpg");
    EXPECT_EQ(session_.licenseFileName, u"License.rtf");
    EXPECT_EQ(session_.readmeFileName, u"Readme.rtf");
    EXPECT_EQ(session_.whatsNewFileName, u"What's New.rtf");
    EXPECT_EQ(Read(session_.TemporaryFile(session_.whatsNewFileName)), "bytes of What's New.rtf");
    EXPECT_EQ(Read(session_.TemporaryFile(session_.iconFileName)), "bytes of scout.ico");
    EXPECT_FALSE(Exists(kTemp + u"Scout.ex4")) << "only the leading entries are opened";
    EXPECT_EQ(session_.packageReader.GetProjectStrings().productName, u"Scout");
}

TEST_F(InstallationTest, ASetupWithoutPackageLeavesEveryNameEmpty) {
    MakeFile(kSetup, StubBytes());
    Open(&session_);

    EXPECT_EQ(session_.iconFileName, u"");
    EXPECT_EQ(session_.bannerFileName, u"");
    EXPECT_EQ(session_.whatsNewFileName, u"");
    EXPECT_EQ(session_.TemporaryFile(session_.bannerFileName), u"");
}

TEST_F(InstallationTest, RunReportsEachRecordOnceAndEndsWithTheUninstallerLines) {
    Build(ProductEntries());
    Open(&session_);

    ASSERT_EQ(installer::RunInstallation(session_, observer_, uninstaller_), SFX_OK);

    EXPECT_EQ(observer_.steps, 9) << "one step per record, however many terminals got it";
    const std::vector<std::string> expected = {
        "Copying Guide.txt...\r\n",       "Creating shortcut Guide...\r\n",
        "Copying notes.exe...\r\n",       "Copying setup_helper.exe...\r\n",
        "Copying Scout.ex4...\r\n",       "Copying What's New.rtf...\r\n",
        "Copying Readme.rtf...\r\n",      "Creating shortcut ReadMe...\r\n",
        "Copying License.rtf...\r\n",     "Copying banner.jpg...\r\n",
        "Copying scout.ico...\r\n",       "Creating uninstaller...\r\n",
        "Registering uninstaller...\r\n", "Done.",
    };
    EXPECT_EQ(observer_.lines, expected);
    EXPECT_EQ(Read(kTerminalA + u"\\experts\\Scout.ex4"), "bytes of Scout.ex4");
    EXPECT_EQ(Read(kTerminalB + u"\\experts\\Scout.ex4"), "bytes of Scout.ex4");
}

TEST_F(InstallationTest, OnlyRecordsFlaggedExactlyYesAreQueuedFromTheProductFolder) {
    std::vector<Entry> entries = ProductEntries();
    // A flagged file placed elsewhere is still queued from the product folder.
    entries.push_back({u"tool.exe", u"{mydocuments}\\", u"", u"-q", u"Yes"});
    Build(entries);
    Open(&session_);
    session_.postExecutePaths = {u"C:\\stale.exe"};
    session_.postExecuteParameters = {u"stale"};

    ASSERT_EQ(installer::RunInstallation(session_, observer_, uninstaller_), SFX_OK);

    // The last record is installed first, so it is queued first.
    const std::vector<os::Path> paths = {kProduct + u"\\tool.exe",
                                         kProduct + u"\\setup_helper.exe"};
    EXPECT_EQ(session_.postExecutePaths, paths);
    const std::vector<std::u16string> parameters = {u"-q", u"--first run"};
    EXPECT_EQ(session_.postExecuteParameters, parameters);
}

TEST_F(InstallationTest, TheUninstallerIsWrittenLinkedBrandedAndRegisteredInThatOrder) {
    Build(ProductEntries());
    Open(&session_);

    ASSERT_EQ(installer::RunInstallation(session_, observer_, uninstaller_), SFX_OK);

    const std::string program = text::ToUtf8(kProduct + u"\\Uninstall.exe");
    const std::vector<std::string> calls = {
        "write " + program,
        "brand " + program + " with " + text::ToUtf8(kTemp) + "banner.jpg",
        "register " + program + " as Scout",
    };
    EXPECT_EQ(uninstaller_.calls, calls);

    os::fake::Shortcut link;
    ASSERT_TRUE(os::fake::ReadShortcut(kGroup + u"\\Uninstall.lnk", &link));
    EXPECT_EQ(link.target, kProduct + u"\\Uninstall.exe");
    EXPECT_EQ(link.arguments, u"");
    EXPECT_EQ(link.description, u"Uninstaller");

    // The options reach both terminals: enableExperts on, allowLiveTrading off.
    for (const os::Path& terminal : {kTerminalA, kTerminalB}) {
        const std::string settings = Read(terminal + u"\\config\\experts.ini");
        ASSERT_EQ(settings.size(), 292u) << text::ToUtf8(terminal);
        EXPECT_EQ(settings[4], 1);
        EXPECT_EQ(settings[36], 0);
    }
}

TEST_F(InstallationTest, WithoutABannerTheUninstallerKeepsItsOwnPicture) {
    Build(ProductEntries());
    Open(&session_);
    session_.bannerFileName.clear();

    ASSERT_EQ(installer::RunInstallation(session_, observer_, uninstaller_), SFX_OK);

    ASSERT_EQ(uninstaller_.calls.size(), 3u);
    const std::string program = text::ToUtf8(kProduct + u"\\Uninstall.exe");
    EXPECT_EQ(uninstaller_.calls[1], "brand " + program + " with ");
}

TEST_F(InstallationTest, AFailedExtractionStopsBeforeTheUninstaller) {
    Build(ProductEntries());
    Open(&session_);
    session_.chosenTerminals.clear();  // the expert file has nowhere to go

    EXPECT_EQ(installer::RunInstallation(session_, observer_, uninstaller_), SFX_ERR_WRITE);

    EXPECT_TRUE(uninstaller_.calls.empty());
    EXPECT_EQ(observer_.steps, 8);
    EXPECT_EQ(observer_.lines.back(), "Copying scout.ico...\r\n");
    EXPECT_FALSE(Exists(kGroup + u"\\Uninstall.lnk"));
    // Whatever was installed stays.
    EXPECT_EQ(Read(kProduct + u"\\setup_helper.exe"), "bytes of setup_helper.exe");
}

TEST_F(InstallationTest, ASetupWithoutPackageInstallsNothing) {
    MakeFile(kSetup, StubBytes());
    Open(&session_);

    EXPECT_EQ(installer::RunInstallation(session_, observer_, uninstaller_), SFX_ERR_SIGNATURE);

    EXPECT_EQ(observer_.steps, 0);
    EXPECT_TRUE(observer_.lines.empty());
    EXPECT_TRUE(uninstaller_.calls.empty());
    EXPECT_FALSE(Exists(kTerminalA + u"\\config\\experts.ini"));
}

}  // namespace

namespace {

// "origin.txt" of a data folder: UTF-16LE with a byte-order mark.
std::string OriginBytes(const os::Path& installFolder) {
    std::string bytes("\xFF\xFE", 2);
    for (char16_t unit : installFolder) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST_F(InstallationTest, OneRunInstallsIntoAClassicACurrentAndAPortableTerminal) {
    std::vector<Entry> entries = ProductEntries();
    for (const Entry& extra : std::vector<Entry>{
             {u"Bands.ex4", u"{metatrader}\\experts\\indicators\\"},
             {u"Close.ex4", u"{metatrader}\\experts\\scripts\\"},
             {u"alert.wav", u"{metatrader}\\experts\\sounds\\"},
             {u"math.dll", u"{metatrader}\\experts\\libraries\\"},
             {u"Scout.mqh", u"{metatrader}\\experts\\include"},
         }) {
        entries.push_back(extra);
    }
    Build(entries);
    // Classic: the four entries. Current: installed below Program Files, data in the profile,
    // with a settings file; a second current terminal without one. Portable: its own MQL4
    // tree and settings file.
    const os::Path current = u"C:\\Program Files (x86)\\MetaTrader 4";
    const os::Path data =
        u"C:"
        u"\\users\\tester\\AppData\\Roaming\\MetaQuotes\\Terminal\\0123456789ABCDEF0123456789ABCDE"
        u"F";
    const os::Path bare = u"C:\\users\\tester\\AppData\\Roaming\\MetaQuotes\\Terminal\\BARE";
    const os::Path portable = u"E:\\Portable MT4";
    for (const os::Path& folder :
         {kTerminalA + u"\\experts", kTerminalA + u"\\sounds", kTerminalA + u"\\config",
          current + u"\\Sounds", current + u"\\config", data + u"\\MQL4\\Experts",
          data + u"\\MQL4\\Indicators", data + u"\\config", bare + u"\\MQL4\\Experts",
          portable + u"\\MQL4\\Experts", portable + u"\\config", portable + u"\\Sounds"}) {
        ASSERT_TRUE(os::CreateFolderTree(folder)) << text::ToUtf8(folder);
    }
    MakeFile(kTerminalA + u"\\terminal.exe", "MZ");
    MakeFile(current + u"\\terminal.exe", "MZ");
    MakeFile(portable + u"\\terminal.exe", "MZ");
    const std::string settings(292, '\x07');
    MakeFile(data + u"\\config\\experts.ini", settings);
    MakeFile(portable + u"\\config\\experts.ini", settings);
    auto make = [](installer::TerminalLayout layout, const os::Path& install,
                   const os::Path& dataFolder) {
        installer::TerminalTarget target = installer::OwnFolderTerminal(layout, install);
        target.dataFolder = dataFolder;
        return target;
    };
    session_.packageReader.SetModulePath(kSetup);
    installer::OpenPackage(&session_);
    session_.chosenTerminals = {make(installer::TerminalLayout::Classic, kTerminalA, kTerminalA),
                                make(installer::TerminalLayout::Current, current, data),
                                make(installer::TerminalLayout::Current, current, bare),
                                make(installer::TerminalLayout::Portable, portable, portable)};

    ASSERT_EQ(installer::RunInstallation(session_, observer_, uninstaller_), SFX_OK);
    EXPECT_EQ(observer_.steps, 14) << "one step per record";

    // Where each terminal looks for each file; sounds where the terminal plays them.
    const std::vector<std::pair<std::u16string, std::vector<os::Path>>> expected = {
        {u"Scout.mqh",
         {kTerminalA + u"\\experts\\include\\", data + u"\\MQL4\\Include\\",
          bare + u"\\MQL4\\Include\\", portable + u"\\MQL4\\Include\\"}},
        {u"math.dll",
         {kTerminalA + u"\\experts\\libraries\\", data + u"\\MQL4\\Libraries\\",
          bare + u"\\MQL4\\Libraries\\", portable + u"\\MQL4\\Libraries\\"}},
        {u"alert.wav",
         {kTerminalA + u"\\sounds\\", current + u"\\Sounds\\", current + u"\\Sounds\\",
          portable + u"\\Sounds\\"}},
        {u"Close.ex4",
         {kTerminalA + u"\\experts\\scripts\\", data + u"\\MQL4\\Scripts\\",
          bare + u"\\MQL4\\Scripts\\", portable + u"\\MQL4\\Scripts\\"}},
        {u"Bands.ex4",
         {kTerminalA + u"\\experts\\indicators\\", data + u"\\MQL4\\Indicators\\",
          bare + u"\\MQL4\\Indicators\\", portable + u"\\MQL4\\Indicators\\"}},
    };
    std::vector<std::u16string> logged;
    for (const auto& [name, folders] : expected) {
        for (const os::Path& folder : folders) {
            EXPECT_EQ(Read(folder + name), "bytes of " + text::ToUtf8(name))
                << text::ToUtf8(folder);
            // Two data folders of one installation share its sounds: listed once.
            if (logged.empty() || logged.back() != folder + name) logged.push_back(folder + name);
        }
    }
    EXPECT_FALSE(Exists(kTerminalA + u"\\experts\\sounds\\alert.wav"));
    for (const os::Path& folder : {data, bare, portable, current}) {
        EXPECT_FALSE(Exists(folder + u"\\experts")) << "no old-layout folder in " << Host(folder);
    }

    // Install.log lists every copy with its real path, each terminal in the order chosen.
    package::InstallLog log;
    ASSERT_TRUE(package::InstallLog::Read(kProduct + u"\\Install.log", &log));
    const std::vector<std::u16string> entriesLogged = log.Entries();
    ASSERT_GE(entriesLogged.size(), logged.size());
    EXPECT_EQ(
        std::vector<std::u16string>(entriesLogged.begin(), entriesLogged.begin() + logged.size()),
        logged);

    // Expert options: the classic terminal gets a new record; a current terminal's file is
    // patched where it exists and never created; the portable one's is patched.
    EXPECT_EQ(Read(kTerminalA + u"\\config\\experts.ini").size(), 292u);
    std::string patched = settings;
    patched[4] = 1;   // enableExperts on
    patched[36] = 0;  // allowLiveTrading off
    EXPECT_EQ(Read(data + u"\\config\\experts.ini"), patched);
    EXPECT_EQ(Read(portable + u"\\config\\experts.ini"), patched);
    EXPECT_FALSE(Exists(bare + u"\\config\\experts.ini"));
}

}  // namespace
