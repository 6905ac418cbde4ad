// The harness without Wine: a fake session folder and prefix on disk, host programs for the
// process code, and recorded tool output for the parsers.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/wine/harness/wine_harness.h"
#include "tools/uidriver/script.h"

namespace {

namespace fs = std::filesystem;

// A session folder with a prefix that has the layout Wine gives it, and a cross-build folder
// with a few programs, set up before the first harness call of this test program.
class FakeSession : public ::testing::Environment {
  public:
    void SetUp() override {
        char pattern[] = "/tmp/tessark-harness-XXXXXX";
        root_ = mkdtemp(pattern);
        const fs::path prefix = root_ / "wineprefix";
        fs::create_directories(prefix / "drive_c/Program Files/Tessark");
        fs::create_directories(prefix / "drive_c/users/tester/Documents");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        fs::create_directory_symlink("/", prefix / "dosdevices/z:");
        const fs::path build = root_ / "win";
        for (const char* exe : {"tools/uidriver/uidriver.exe", "installer/extractor.exe",
                                "CMakeFiles/3.25/CompilerIdC/a.exe", "tools/notes.txt"}) {
            fs::create_directories((build / exe).parent_path());
            std::ofstream(build / exe) << "MZ";
        }
        const fs::path session = root_ / "session";
        fs::create_directories(session);
        std::ofstream(session / "session.env")
            << "DISPLAY=:99\nWINEPREFIX=" << prefix.string() << "\nXVFB_PID=1\nSYSTEM32=\n";
        setenv("TESSARK_WINE_SESSION", session.c_str(), 1);
        setenv("TESSARK_WIN_BUILD_DIR", build.c_str(), 1);
        setenv("TESSARK_SCREENSHOT_DIR", (root_ / "shots").c_str(), 1);
        unsetenv("WINEDEBUG");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    static fs::path root_;
};

fs::path FakeSession::root_;
const auto* const kFakeSession = ::testing::AddGlobalTestEnvironment(new FakeSession);

std::string Prefix() {
    return (FakeSession::root_ / "wineprefix").string();
}

TEST(HarnessSession, ReadsTheSessionFileAndSetsTheEnvironment) {
    const winetest::Session& session = winetest::CurrentSession();
    EXPECT_EQ(session.display, ":99");
    EXPECT_EQ(session.prefix, Prefix());
    EXPECT_STREQ(std::getenv("DISPLAY"), ":99");
    EXPECT_STREQ(std::getenv("WINEPREFIX"), Prefix().c_str());
    EXPECT_STREQ(std::getenv("WINEDEBUG"), "-all");
    EXPECT_TRUE(fs::is_directory(session.screenshotDir));

    EXPECT_EQ(winetest::WinProgram("tools/uidriver/uidriver.exe"),
              session.winBuildDir + "/tools/uidriver/uidriver.exe");
    EXPECT_THROW(winetest::WinProgram("builder/Tessark.exe"), std::runtime_error);
}

TEST(HarnessSession, ScratchFoldersStartEmpty) {
    std::string folder = winetest::ScratchFolder("scratch-test");
    std::ofstream(folder + "/left over") << "x";
    EXPECT_EQ(winetest::ScratchFolder("scratch-test"), folder);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(HarnessPaths, WindowsPathsMapIntoThePrefix) {
    using winetest::HostPath;
    const std::string driveC = fs::canonical(Prefix() + "/drive_c").string();
    EXPECT_EQ(HostPath("C:\\Program Files\\Tessark"), driveC + "/Program Files/Tessark");
    // Existing parts are found whatever their letter case; new parts are kept as written.
    EXPECT_EQ(HostPath("c:\\PROGRAM FILES\\tessark\\Install.log"),
              driveC + "/Program Files/Tessark/Install.log");
    EXPECT_EQ(HostPath("C:/users/tester/documents/"), driveC + "/users/tester/Documents");
    EXPECT_EQ(HostPath("C:\\"), driveC);
    EXPECT_EQ(HostPath("Z:\\tmp"), "/tmp");
    EXPECT_THROW(HostPath("\\\\server\\share"), std::invalid_argument);
    EXPECT_THROW(HostPath("relative\\path"), std::invalid_argument);
}

TEST(HarnessPaths, HostPathsMapToWindowsPaths) {
    using winetest::WindowsPath;
    EXPECT_EQ(WindowsPath(Prefix() + "/drive_c/users/tester"), "C:\\users\\tester");
    EXPECT_EQ(WindowsPath(Prefix() + "/drive_c"), "C:\\");
    EXPECT_EQ(WindowsPath(Prefix() + "/drive_c/Program Files/Tessark/new file.txt"),
              "C:\\Program Files\\Tessark\\new file.txt");
    EXPECT_EQ(WindowsPath("/tmp/some where/x.exe"), "Z:\\tmp\\some where\\x.exe");
    EXPECT_EQ(WindowsPath("/"), "Z:\\");
    // A folder beside drive_c whose name starts the same is not on drive C.
    EXPECT_EQ(WindowsPath(Prefix() + "/drive_cx").compare(0, 3, "Z:\\"), 0);
    EXPECT_EQ(winetest::HostPath(WindowsPath(Prefix() + "/drive_c/users")),
              fs::canonical(Prefix() + "/drive_c/users").string());
}

TEST(HarnessProcess, ExitCodeOutputArgumentsAndEnvironment) {
    winetest::RunOptions options;
    options.workDir = "/tmp";
    options.env = {"HARNESS_TEST_VALUE=from the test"};
    winetest::ProcessResult result = winetest::RunNative(
        "/bin/sh",
        {"-c", "pwd; echo \"$HARNESS_TEST_VALUE\"; echo \"$1|$2\"; echo oops >&2; exit 7", "sh",
         "one arg", "x\"y"},
        options);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 7);
    EXPECT_EQ(result.out, "/tmp\nfrom the test\none arg|x\"y\n");
    EXPECT_EQ(result.err, "oops\n");
}

TEST(HarnessProcess, LargeOutputDoesNotBlock) {
    winetest::ProcessResult result =
        winetest::RunNative("/bin/sh", {"-c", "head -c 3000000 /dev/zero"}, {10000});
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.size(), 3000000u);
}

TEST(HarnessProcess, TimeOutKillsTheProgramAndWhatItStarted) {
    auto start = std::chrono::steady_clock::now();
    winetest::ProcessResult result = winetest::RunNative(
        "/bin/sh", {"-c", "sleep 60 & echo $!; wait"}, winetest::RunOptions{500});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(result.timedOut);
    EXPECT_EQ(result.exitCode, -1);
    pid_t child = static_cast<pid_t>(std::atoi(result.out.c_str()));
    ASSERT_GT(child, 0) << result.out;
    // The killed child may linger a moment as a zombie of init; it must not keep running.
    bool gone = false;
    for (int i = 0; i < 100 && !gone; ++i) {
        std::ifstream stat("/proc/" + std::to_string(child) + "/stat");
        std::string pid, name, state;
        gone = !(stat >> pid >> name >> state) || state == "Z";
        if (!gone) usleep(20000);
    }
    EXPECT_TRUE(gone) << "process " << child << " still runs";
}

TEST(HarnessProcess, AProgramThatCannotStartReports127) {
    winetest::ProcessResult result = winetest::RunNative("/no/such/program");
    EXPECT_EQ(result.exitCode, 127);
    EXPECT_NE(result.err.find("/no/such/program"), std::string::npos);
}

TEST(HarnessParsers, RegQueryOutput) {
    const std::string output =
        "\r\n"
        "HKEY_LOCAL_MACHINE\\Software\\Tessark\r\n"
        "    DisplayName    REG_SZ    Sample EA 1.0\r\n"
        "    Install Location    REG_SZ    C:\\Program Files\\Sample    EA\r\n"
        "    Empty    REG_SZ    \r\n"
        "    NoModify    REG_DWORD    0x1\r\n"
        "    (Default)    REG_SZ    default text\r\n"
        "\r\n"
        "HKEY_LOCAL_MACHINE\\Software\\Tessark\\Sub\r\n"
        "    Inner    REG_SZ    not ours\r\n";
    auto values = winetest::ParseRegQueryOutput(output);
    ASSERT_EQ(values.size(), 5u);
    EXPECT_EQ(values["DisplayName"].type, "REG_SZ");
    EXPECT_EQ(values["DisplayName"].data, "Sample EA 1.0");
    EXPECT_EQ(values["Install Location"].data, "C:\\Program Files\\Sample    EA");
    EXPECT_EQ(values["Empty"].data, "");
    EXPECT_EQ(values["NoModify"].type, "REG_DWORD");
    EXPECT_EQ(values["NoModify"].data, "0x1");
    EXPECT_EQ(values["(Default)"].data, "default text");
    EXPECT_EQ(values.count("Inner"), 0u);

    // A key with subkeys only.
    EXPECT_TRUE(
        winetest::ParseRegQueryOutput("\r\nHKEY_CURRENT_USER\\A\r\nHKEY_CURRENT_USER\\A\\B\r\n")
            .empty());
}

TEST(HarnessParsers, ObjdumpImports) {
    const std::string output =
        "The Import Tables (interpreted .idata section contents)\n"
        " vma:            Hint    Time      Forward  DLL       First\n"
        "\tDLL Name: KERNEL32.dll\n"
        "\tvma:  Hint/Ord Member-Name Bound-To\n"
        "\t2a1a0\t  123  CloseHandle\n"
        "\n"
        "\tDLL Name: libstdc++-6.dll \n"
        "\tDLL Name: USER32.dll\n";
    EXPECT_EQ(winetest::ParseObjdumpImports(output),
              (std::vector<std::string>{"KERNEL32.dll", "libstdc++-6.dll", "USER32.dll"}));

    for (const char* dll : {"libstdc++-6.dll", "LIBGCC_S_DW2-1.DLL", "libwinpthread-1.dll",
                            "zlib1.dll", "libz.dll"}) {
        EXPECT_TRUE(winetest::IsToolchainRuntimeDll(dll)) << dll;
    }
    for (const char* dll : {"KERNEL32.dll", "comctl32.dll", "msvcrt.dll", "SHLWAPI.dll"}) {
        EXPECT_FALSE(winetest::IsToolchainRuntimeDll(dll)) << dll;
    }
}

TEST(HarnessParsers, CrossBuiltProgramsLeaveOutCMakeProbes) {
    const std::string build = winetest::CurrentSession().winBuildDir;
    EXPECT_EQ(winetest::CrossBuiltPrograms(),
              (std::vector<std::string>{build + "/installer/extractor.exe",
                                        build + "/tools/uidriver/uidriver.exe"}));
}

TEST(HarnessDriverText, OutputLinesComeBackExact) {
    const std::vector<std::string> texts = {"plain",     "C:\\Program Files\\new", "two\nlines\r\n",
                                            "tab\there", "\\n is not a newline",   "Grüße",
                                            ""};
    std::string out;
    for (const std::string& text : texts) out += winetest::DriverText(text) + "\n";
    EXPECT_EQ(winetest::ParseDriverOutput(out), texts);
    EXPECT_EQ(winetest::ParseDriverOutput("a\r\nb\n"), (std::vector<std::string>{"a", "b"}));
}

TEST(HarnessParsers, StoredRegValuesOutput) {
    const auto values = winetest::ParseStoredRegValues(
        "DisplayName\t1\t540065007300\r\nNoModify\t4\t01000000\nEmpty\t1\t\n");
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values.at("DisplayName").type, "1");
    EXPECT_EQ(values.at("DisplayName").hex, "540065007300");
    EXPECT_EQ(values.at("NoModify").type, "4");
    EXPECT_EQ(values.at("NoModify").hex, "01000000");
    EXPECT_EQ(values.at("Empty").hex, "");
    EXPECT_TRUE(winetest::ParseStoredRegValues("").empty());
    // A line the reader did not write is a broken reader, not a missing value.
    EXPECT_THROW(winetest::ParseStoredRegValues("Name\t1\n"), std::runtime_error);
    EXPECT_THROW(winetest::ParseStoredRegValues("\n"), std::runtime_error);
}

TEST(HarnessTextForms, LinesAndUtf16) {
    using winetest::SplitLines;
    EXPECT_EQ(SplitLines("one\r\ntwo\n\nlast"),
              (std::vector<std::string>{"one", "two", "", "last"}));
    EXPECT_EQ(SplitLines("ended\r\n"), (std::vector<std::string>{"ended"}));
    EXPECT_TRUE(SplitLines("").empty());

    EXPECT_EQ(winetest::Utf16LeBytes("A/"), std::string("A\0/\0", 4));
    EXPECT_EQ(winetest::Utf16LeHex("Tessark"), "5400650073007300610072006b00");
    // Beyond ASCII: "ü" is U+00FC, "€" U+20AC, "😀" the pair D83D DE00.
    EXPECT_EQ(winetest::Utf16LeHex("\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80"), "fc00ac203dd800de");
    EXPECT_EQ(winetest::Utf16LeHex(""), "");
}

TEST(HarnessHostFiles, WriteReadListAndWait) {
    const std::string folder = winetest::ScratchFolder("host-files");
    winetest::WriteHostFile(folder + "/made/below/b.bin", std::string("b\0\xFF", 3));
    EXPECT_EQ(winetest::ReadHostFile(folder + "/made/below/b.bin"), std::string("b\0\xFF", 3));
    winetest::WriteHostFile(folder + "/made/a.txt", "a longer first text");
    winetest::WriteHostFile(folder + "/made/a.txt", "short");
    EXPECT_EQ(winetest::ReadHostFile(folder + "/made/a.txt"), "short");
    EXPECT_EQ(winetest::ReadHostFile(folder + "/missing"), "");
    EXPECT_EQ(winetest::FolderNames(folder + "/made"),
              (std::vector<std::string>{"a.txt", "below"}));
    EXPECT_TRUE(winetest::FolderNames(folder + "/missing").empty());

    // A file another program writes a moment later, first empty, then whole.
    const std::string late = folder + "/late.txt";
    std::thread writer([late] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::ofstream(late) << "";
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::ofstream(late) << "12345";
    });
    EXPECT_TRUE(winetest::WaitForHostFile(late, 5000));
    EXPECT_TRUE(winetest::WaitForHostFileSize(late, 5, 5000));
    writer.join();
    EXPECT_FALSE(winetest::WaitForHostFileSize(late, 6, 300));
    EXPECT_FALSE(winetest::WaitForHostFile(folder + "/never", 300));
}

TEST(HarnessHostFiles, AFileThatCannotBeWrittenFailsTheTest) {
    static std::string blocked;  // the failure check takes no local variables
    blocked = winetest::ScratchFolder("host-files-blocked") + "/a folder";
    fs::create_directories(blocked);
    EXPECT_FATAL_FAILURE(winetest::WriteHostFile(blocked, "x"), "cannot write");
}

TEST(HarnessSetupWizard, TicksTheRowsOfTheChosenTerminalsInListOrder) {
    const std::vector<std::string> rows = {"C:\\MT4 Other", "C:\\MT4 B", "C:\\MT4 A",
                                           "C:\\MT4 A\\sub"};
    const winetest::TerminalTicks ticks = winetest::TicksFor(rows, {"C:\\MT4 A", "C:\\MT4 B"});
    EXPECT_EQ(ticks.commands, (std::vector<std::string>{"tick 1031 1", "tick 1031 2"}));
    EXPECT_EQ(ticks.terminals, (std::vector<std::string>{"C:\\MT4 B", "C:\\MT4 A"}));
    EXPECT_TRUE(winetest::TicksFor(rows, {"C:\\MT4 a"}).commands.empty()) << "rows match exactly";
}

}  // namespace
