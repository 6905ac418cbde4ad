// The installation run and the opening of the package on the fake machine: what the run
// reports, what it queues for Finish, and in which order it does the uninstaller's steps.
#include "installer/installation.h"

#include <string>
#include <vector>

#include "base/text.h"
#include "os/posix/fake_machine.h"
#include "tests/unit/package/package_fixture.h"

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
        session->chosenFolders = {kTerminalA, kTerminalB};
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
    session_.chosenFolders.clear();  // the expert file has nowhere to go

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
