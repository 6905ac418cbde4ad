// The installation without windows on the fake machine: what it installs and where, what it
// refuses and with which status, what it logs and what it starts.
#include "installer/unattended_install.h"

#include <filesystem>
#include <functional>

#include "base/text.h"
#include "installer/package_check.h"
#include "installer/page_texts.h"
#include "os/posix/fake_machine.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using namespace installer;

const os::Path kSetup = u"C:\\out\\setup.exe";
const os::Path kProgramFiles = u"C:\\Program Files (x86)";
const os::Path kProduct = u"C:\\Program Files (x86)\\Scout";
const os::Path kTemp = u"C:\\users\\tester\\Temp\\";
const os::Path kFoundA = u"C:\\Program Files (x86)\\MT4 Found A";
const os::Path kFoundB = u"C:\\Program Files (x86)\\MT4 Found B";
const os::Path kGivenA = u"D:\\Trading\\MT4 One";
const os::Path kGivenB = u"E:\\MT4 Two";
const os::Path kLog = u"C:\\logs\\setup.log";

// The Windows-only steps, recorded; the program "written" is a small file.
class RecordingUninstaller : public UninstallerSetup {
  public:
    void WriteProgram(const os::Path& program) override {
        os::File file;
        if (file.Create(program)) file.Write(std::string(1500, 'U').data(), 1500);
    }
    void Brand(const os::Path&, const os::Path&) override {}
    void Register(const os::Path& program, const ProjectStrings&, uint32_t kilobytes) override {
        registered = program;
        installedKilobytes = kilobytes;
    }

    os::Path registered;
    uint32_t installedKilobytes = 0;
};

class UnattendedInstallTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        os::fake::SetRunningProcesses({});
        for (const os::Path& terminal : {kFoundA, kFoundB, kGivenA, kGivenB})
            MakeTerminal(terminal);
        CSelfExtractor writer;
        const struct {
            std::u16string name;
            std::string bytes;
            std::u16string destination;
            std::u16string postExecute;
        } entries[] = {
            {u"scout.ico", "icon", u"", u""},
            {u"banner.jpg", "banner", u"", u""},
            {u"License.rtf", "{\\rtf1 license}", u"{app}\\", u""},
            {u"Readme.rtf", "", u"", u""},
            {u"What's New.rtf", "", u"", u""},
            {u"Scout.ex4", PatternBytes(3000, 1), u"{metatrader}\\experts\\", u""},
            {u"helper.exe", PatternBytes(700, 2), u"{app}\\", u"Yes"},
        };
        for (const auto& e : entries) {
            MakeFile(sourceFolder_ + e.name, e.bytes);
            ASSERT_TRUE(writer.AddFile(sourceFolder_ + e.name, e.destination, u"", u"--once", u"",
                                       u"", u"", e.postExecute));
        }
        writer.SetProjectInfo(u"Scout", u"Scout", u"Scout Tools", u"129", u"1.0.0.2", u"", u"", u"",
                              u"", u"");
        CreateSetup(writer, kSetup);
        session_.packageReader.SetModulePath(kSetup);
    }

    void MakeTerminal(const os::Path& folder) const {
        MakeFile(folder + u"\\terminal.exe", "MZ");
        for (const char16_t* sub : {u"\\experts", u"\\sounds", u"\\config"}) {
            ASSERT_TRUE(os::CreateFolderTree(folder + sub));
        }
    }

    int Run(std::vector<os::Path> folders, bool run = false, const os::Path& log = u"") {
        SetupOptions options;
        options.metaTraderFolders = std::move(folders);
        options.run = run;
        options.logFile = log;
        return RunUnattendedInstall(options, session_, uninstaller_);
    }

    // Nothing of the product anywhere: no product folder, no file in a terminal, no entry.
    void ExpectNothingInstalled() const {
        EXPECT_FALSE(Exists(kProduct));
        for (const os::Path& terminal : {kFoundA, kFoundB, kGivenA, kGivenB}) {
            EXPECT_FALSE(Exists(terminal + u"\\experts\\Scout.ex4")) << text::ToUtf8(terminal);
            EXPECT_FALSE(Exists(terminal + u"\\config\\experts.ini")) << text::ToUtf8(terminal);
        }
        EXPECT_TRUE(uninstaller_.registered.empty());
        EXPECT_TRUE(os::fake::Launches().empty());
    }

    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const std::string bytes = Read(kLog);
        size_t start = 0;
        while (start < bytes.size()) {
            const size_t end = bytes.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
            if (end == std::string::npos) break;
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    InstallSession session_;
    RecordingUninstaller uninstaller_;
};

TEST_F(UnattendedInstallTest, InstallsIntoTheGivenFoldersOnlyAndStartsNothing) {
    ASSERT_EQ(Run({kGivenA, kGivenB}), kInstalled);
    for (const os::Path& terminal : {kGivenA, kGivenB}) {
        EXPECT_EQ(Read(terminal + u"\\experts\\Scout.ex4"), PatternBytes(3000, 1));
        EXPECT_EQ(Read(terminal + u"\\config\\experts.ini").size(), 292u);
    }
    for (const os::Path& terminal : {kFoundA, kFoundB}) {
        EXPECT_FALSE(Exists(terminal + u"\\experts\\Scout.ex4")) << "not asked for";
    }
    EXPECT_EQ(Read(kProduct + u"\\helper.exe"), PatternBytes(700, 2));
    EXPECT_TRUE(Exists(kProduct + u"\\Install.log"));
    EXPECT_EQ(uninstaller_.registered, kProduct + u"\\Uninstall.exe");
    // The leading entries are opened as the wizard opens them, for the uninstaller's banner.
    EXPECT_EQ(session_.bannerFileName, u"banner.jpg");
    EXPECT_EQ(Read(kTemp + u"banner.jpg"), "banner");
    EXPECT_TRUE(os::fake::Launches().empty()) << "nothing is started without /RUN";
}

TEST_F(UnattendedInstallTest, WithoutFoldersEveryDiscoveredTerminalIsUsed) {
    ASSERT_EQ(Run({}), kInstalled);
    EXPECT_EQ(session_.chosenTerminals.size(), 2u);
    for (const os::Path& terminal : {kFoundA, kFoundB}) {
        EXPECT_EQ(Read(terminal + u"\\experts\\Scout.ex4"), PatternBytes(3000, 1));
    }
    EXPECT_FALSE(Exists(kGivenA + u"\\experts\\Scout.ex4")) << "outside Program Files";
}

TEST_F(UnattendedInstallTest, RunStartsTheFirstTerminalAndThePostExecutePrograms) {
    ASSERT_EQ(Run({kGivenB, kGivenA}, true), kInstalled);
    const auto& launches = os::fake::Launches();
    ASSERT_EQ(launches.size(), 2u);
    EXPECT_EQ(launches[0].path, kGivenB + u"\\terminal.exe");
    EXPECT_EQ(launches[0].parameters, u"");
    EXPECT_EQ(launches[1].path, kProduct + u"\\helper.exe");
    EXPECT_EQ(launches[1].parameters, u"--once");
    EXPECT_EQ(launches[1].show, os::ShowMode::Maximized);
}

TEST_F(UnattendedInstallTest, TheLogHoldsTheStepSixLinesInUtf8) {
    ASSERT_EQ(Run({kGivenA}, false, kLog), kInstalled);
    const std::vector<std::string> expected = {
        "Copying helper.exe...",      "Copying Scout.ex4...",
        "Copying What's New.rtf...",  "Copying Readme.rtf...",
        "Copying License.rtf...",     "Copying banner.jpg...",
        "Copying scout.ico...",       "Creating uninstaller...",
        "Registering uninstaller...", "Done.",
    };
    EXPECT_EQ(LogLines(), expected);
}

TEST_F(UnattendedInstallTest, TheInstalledSizeCountsEveryCopyAndTheUninstaller) {
    ASSERT_EQ(Run({kGivenA, kGivenB}), kInstalled);
    // Each record once, the MetaTrader file once per terminal, and the 1500-byte uninstaller.
    const uint64_t bytes = 4 + 6 + 15 + 0 + 0 + 2 * 3000 + 700 + 1500;
    EXPECT_EQ(uninstaller_.installedKilobytes, (bytes + 1023) / 1024);
    EXPECT_EQ(KilobytesOf(0), 0u);
    EXPECT_EQ(KilobytesOf(1), 1u);
    EXPECT_EQ(KilobytesOf(2048), 2u);
    EXPECT_EQ(KilobytesOf(uint64_t{1} << 50), UINT32_MAX);
}

TEST_F(UnattendedInstallTest, RefusalsInstallNothingAndSayWhy) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::vector<os::Path> folders;
        int status;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"a folder that is no terminal",
         [&] {},
         {kGivenA, u"D:\\Trading"},
         kNotMetaTraderFolder,
         text::ToUtf8(NotMetaTraderFolderLine(u"D:\\Trading"))},
        {"a given folder that does not exist",
         [&] {},
         {u"F:\\Gone"},
         kNotMetaTraderFolder,
         text::ToUtf8(NotMetaTraderFolderLine(u"F:\\Gone"))},
        {"no terminal below Program Files",
         [&] {
             std::filesystem::remove_all(Host(kFoundA));
             std::filesystem::remove_all(Host(kFoundB));
         },
         {},
         kNoMetaTraderFolder,
         text::ToUtf8(kNoMetaTraderFolderLine)},
        {"a running terminal",
         [&] { os::fake::SetRunningProcesses({u"TERMINAL.EXE"}); },
         {kGivenA},
         kTerminalRunning,
         text::ToUtf8(kTerminalRunningLine)},
        {"a setup without package",
         [&] { MakeFile(kSetup, StubBytes()); },
         {kGivenA},
         kDamagedSetup,
         text::ToUtf8(kDamagedSetupMessage)},
        {"one flipped byte in a stream",
         [&] {
             std::string bytes = Read(kSetup);
             CSelfExtractor reader;
             ASSERT_EQ(reader.ReadTrailer(kSetup), SFX_OK);
             const FileRecord& expert = *reader.GetFileRecord(5);
             bytes[static_cast<size_t>(expert.offset + expert.compressedSize / 2)] ^= 0x04;
             MakeFile(kSetup, bytes);
         },
         {kGivenA},
         kDamagedSetup,
         text::ToUtf8(kDamagedSetupMessage)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A fresh machine with the sound setup for each case.
        TearDown();
        SetUp();
        c.prepare();
        EXPECT_EQ(Run(c.folders, true, kLog), c.status);
        ExpectNothingInstalled();
        EXPECT_FALSE(Exists(kTemp + u"banner.jpg")) << "not even the leading entries";
        EXPECT_EQ(LogLines(), std::vector<std::string>{c.line});
    }
}

TEST_F(UnattendedInstallTest, AFileThatCannotBeWrittenGivesItsOwnStatus) {
    // A folder where the helper program is to go.
    ASSERT_TRUE(os::CreateFolderTree(kProduct + u"\\helper.exe"));
    EXPECT_EQ(Run({kGivenA}, true, kLog), kWriteFailed);
    EXPECT_TRUE(uninstaller_.registered.empty()) << "nothing after a failed extraction";
    EXPECT_TRUE(os::fake::Launches().empty());
    EXPECT_EQ(LogLines().back(), text::ToUtf8(InstallFailureMessage(SFX_ERR_WRITE)));
}

TEST_F(UnattendedInstallTest, ALogThatCannotBeCreatedStopsBeforeAnything) {
    ASSERT_TRUE(os::CreateFolderTree(kLog));  // a folder in the log file's place
    EXPECT_EQ(Run({kGivenA}, false, kLog), kWriteFailed);
    ExpectNothingInstalled();
}

}  // namespace

namespace {

TEST_F(UnattendedInstallTest, CurrentTerminalsAreTakenByEitherFolderAndFoundInTheProfiles) {
    // A normally installed current terminal (data folder in the profile) and a portable one.
    const os::Path current = u"D:\\MetaTrader 4";
    const os::Path data =
        u"C:"
        u"\\users\\tester\\AppData\\Roaming\\MetaQuotes\\Terminal\\FEDCBA9876543210FEDCBA987654321"
        u"0";
    const os::Path portable = u"E:\\Portable MT4";
    MakeFile(current + u"\\terminal.exe", "MZ");
    MakeFile(portable + u"\\terminal.exe", "MZ");
    for (const os::Path& folder : {current + u"\\config", data + u"\\MQL4\\Experts",
                                   portable + u"\\config", portable + u"\\MQL4"}) {
        ASSERT_TRUE(os::CreateFolderTree(folder));
    }
    std::string origin("\xFF\xFE", 2);
    for (char16_t unit : current + u"\r\n") origin += {static_cast<char>(unit), '\0'};
    MakeFile(data + u"\\origin.txt", origin);

    // Given by the installation folder, by the data folder (the same terminal: once), and a
    // portable one; /RUN starts the portable terminal as portable.
    ASSERT_EQ(Run({portable, current, data}, true), kInstalled);
    ASSERT_EQ(session_.chosenTerminals.size(), 2u);
    EXPECT_EQ(Read(portable + u"\\MQL4\\Experts\\Scout.ex4"), PatternBytes(3000, 1));
    EXPECT_EQ(Read(data + u"\\MQL4\\Experts\\Scout.ex4"), PatternBytes(3000, 1));
    EXPECT_FALSE(Exists(current + u"\\experts"));
    ASSERT_FALSE(os::fake::Launches().empty());
    EXPECT_EQ(os::fake::Launches()[0].path, portable + u"\\terminal.exe");
    EXPECT_EQ(os::fake::Launches()[0].parameters, u"/portable");

    // Without /MT4 the profile's data folder is found beside the terminals below Program Files.
    ASSERT_EQ(Run({}), kInstalled);
    ASSERT_EQ(session_.chosenTerminals.size(), 3u);
    EXPECT_EQ(session_.chosenTerminals.back().label, current);
    EXPECT_EQ(session_.chosenTerminals.back().dataFolder, data);
}

}  // namespace
