// The Wine chain end to end: a dialog built with the Win32 kit, started under Wine, driven by
// the UI driver, looked at in a screenshot, and its exit code checked; plus the harness's own
// parts that need a real Wine (programs, paths in the prefix, the registry).

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;
using winetest::Drive;
using winetest::DriverResult;

const char* const kDialog = "tests/wine/smoke/smoke_dialog.exe";
const char* const kEcho = "tests/wine/smoke/echo_args.exe";
const char* const kKitChecks = "tests/wine/smoke/kit_checks.exe";

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}

TEST(WineSmoke, DrivesADialogThroughItsControls) {
    winetest::Process dialog(winetest::WinProgram(kDialog));

    DriverResult first = Drive({
        "window Smoke Test Dialog",
        "title",
        "settext 1001 Hello, wine",
        "click 1002",
        "text 1003",
        "tick 1004 0",      // through the list view's state, as a tick-box click does
        "clickrow 1004 2",  // a real mouse click; the dialog inverts the tick itself
        "ticked 1004 0",
        "ticked 1004 1",
        "ticked 1004 2",
        "count 1004",
        "items 1004",
        "waitenabled 1006",
        "mouse 1007",
        "text 1008",
    });
    ASSERT_TRUE(first.ok()) << first.error;
    EXPECT_EQ(first.lines, Lines({"Smoke Test Dialog", "Copied: Hello, wine", "1", "0", "1", "3",
                                  "Alpha", "Beta", "Gamma", "Swatch clicks: 1"}));

    DriverResult box = Drive({"window Smoke Test Dialog", "click 1005", "msgbox Smoke Ticks"});
    ASSERT_TRUE(box.ok()) << box.error;
    EXPECT_EQ(box.lines, Lines({"Ticked: Alpha, Gamma"}));
    std::string shot = winetest::Screenshot("smoke-dialog");
    EXPECT_GT(fs::file_size(shot), 1000u);

    DriverResult finish = Drive({"msgbox Smoke Ticks", "click 1", "waitclosed",
                                 "window Smoke Test Dialog", "click 1", "waitclosed"});
    ASSERT_TRUE(finish.ok()) << finish.error;
    EXPECT_EQ(finish.lines, Lines({"Ticked: Alpha, Gamma"}));

    winetest::ProcessResult exit = dialog.Wait(20000);
    EXPECT_FALSE(exit.timedOut);
    EXPECT_EQ(exit.exitCode, 105);  // OK with rows 0 and 2 ticked
}

TEST(WineSmoke, KeysTypingAndExactTexts) {
    winetest::Process dialog(winetest::WinProgram(kDialog));
    const std::string exact = "C:\\new\\Grüße \"quoted\"\ttab";

    DriverResult run = Drive({
        "window Smoke Test Dialog",
        "focus 1001",
        "type abc",
        "key HOME",
        "type Ü",
        "text 1001",
        "key ALT+C",  // the Copy button's access key
        "text 1003",
        "settext 1001 " + winetest::DriverText(exact),
        "text 1001",
        "key ESC",
        "waitclosed",
    });
    ASSERT_TRUE(run.ok()) << run.error;
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[0], "Üabc");
    EXPECT_EQ(run.lines[1], "Copied: Üabc");
    EXPECT_EQ(run.lines[2], exact);
    EXPECT_EQ(dialog.Wait(20000).exitCode, 2);  // Escape is Cancel
}

TEST(WineSmoke, DriverFailuresAreReported) {
    winetest::Process dialog(winetest::WinProgram(kDialog));

    // The dialog is on screen first (a loaded machine may take longer than the short timeout
    // below to show it), so that the failure can list it.
    DriverResult missing =
        Drive({"window Smoke Test Dialog", "timeout 300", "window No Such Window"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.error.find("No Such Window"), std::string::npos) << missing.error;
    EXPECT_NE(missing.error.find("Smoke Test Dialog"), std::string::npos)
        << "the failure lists the windows on screen: " << missing.error;

    // The Late button stays disabled until the first Copy; a click on it waits for it and then
    // must not pass for done.
    DriverResult disabled =
        Drive({"window Smoke Test Dialog", "enabled 1006", "timeout 500", "click 1006"});
    EXPECT_EQ(disabled.lines, Lines({"0"}));
    EXPECT_EQ(disabled.exitCode, 1);
    EXPECT_NE(disabled.error.find("is disabled after 500 ms"), std::string::npos) << disabled.error;

    DriverResult waited = Drive({"window Smoke Test Dialog", "timeout 500", "waitenabled 1006"});
    EXPECT_EQ(waited.exitCode, 1);
    EXPECT_NE(waited.error.find("still disabled after 500 ms"), std::string::npos) << waited.error;

    DriverResult noControl = Drive({"window Smoke Test Dialog", "text 4242"});
    EXPECT_EQ(noControl.exitCode, 1);
    EXPECT_NE(noControl.error.find("no control 4242"), std::string::npos) << noControl.error;

    DriverResult notAList = Drive({"window Smoke Test Dialog", "item 1001 0"});
    EXPECT_EQ(notAList.exitCode, 1);
    EXPECT_NE(notAList.error.find("not a list"), std::string::npos) << notAList.error;

    DriverResult badRow = Drive({"window Smoke Test Dialog", "tick 1004 7"});
    EXPECT_EQ(badRow.exitCode, 1);
    EXPECT_NE(badRow.error.find("no item 7"), std::string::npos) << badRow.error;

    DriverResult badScript = Drive({"click"});
    EXPECT_EQ(badScript.exitCode, 2);
    EXPECT_NE(badScript.error.find("control identifier"), std::string::npos) << badScript.error;

    DriverResult close = Drive({"window Smoke Test Dialog", "close", "waitclosed"});
    ASSERT_TRUE(close.ok()) << close.error;
    EXPECT_EQ(dialog.Wait(20000).exitCode, 2);  // the close box is Cancel
}

TEST(WineSmoke, ProgramsGetArgumentsAndGiveOutputAndExitCodes) {
    const std::vector<std::string> args = {
        "plain", "two words", "quote\"inside", "C:\\Program Files\\", "Grüße", ""};
    std::vector<std::string> withExit = args;
    withExit.insert(withExit.end(), {"--exit", "42"});
    winetest::ProcessResult result = winetest::Run(winetest::WinProgram(kEcho), withExit);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 42);
    EXPECT_EQ(winetest::ParseDriverOutput(result.out).size(), args.size()) << result.out;
    std::string expected;
    for (const std::string& a : args) expected += a + "\n";
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.err, "done\n");
}

TEST(WineSmoke, AHangingProgramIsKilledAtItsTimeout) {
    auto start = std::chrono::steady_clock::now();
    winetest::ProcessResult result =
        winetest::Run(winetest::WinProgram(kDialog), {}, winetest::RunOptions{2000});
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(result.timedOut);
    EXPECT_EQ(result.exitCode, -1);
    EXPECT_LT(elapsed, std::chrono::seconds(8));
    DriverResult gone = Drive({"timeout 1000", "window Smoke Test Dialog"});
    EXPECT_EQ(gone.exitCode, 1) << "the killed dialog is still on screen";
}

TEST(WineSmoke, LongScriptsGoThroughAFile) {
    winetest::Process dialog(winetest::WinProgram(kDialog));
    const std::string padding(70, '.');
    std::vector<std::string> commands = {"window Smoke Test Dialog"};
    for (int i = 0; i < 400; ++i) {
        commands.push_back("settext 1001 line " + std::to_string(i) + padding);
    }
    commands.insert(commands.end(), {"text 1001", "close", "waitclosed"});
    DriverResult run = Drive(commands);  // some 34000 characters: more than a command line
    ASSERT_TRUE(run.ok()) << run.error;
    EXPECT_EQ(run.lines, std::vector<std::string>{"line 399" + padding});
    EXPECT_EQ(dialog.Wait(20000).exitCode, 2);
}

TEST(WinKit, HandleOwnersAndWindowsBehaveWithRealHandles) {
    winetest::ProcessResult result = winetest::Run(winetest::WinProgram(kKitChecks));
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out.find("FAIL"), std::string::npos) << result.out;
    size_t checks = 0;
    for (const std::string& line : winetest::ParseDriverOutput(result.out)) {
        if (line.compare(0, 3, "ok ") == 0) ++checks;
    }
    EXPECT_EQ(checks, 30u) << result.out;
}

TEST(WineSmoke, PrefixPathsAndSystemFolders) {
    const std::string programFiles = winetest::WindowsFolder("programfiles");
    EXPECT_TRUE(programFiles == "C:\\Program Files" || programFiles == "C:\\Program Files (x86)")
        << programFiles;
    EXPECT_TRUE(fs::is_directory(winetest::HostPath(programFiles)));
    EXPECT_TRUE(fs::is_directory(winetest::HostPath(winetest::WindowsFolder("commonprograms"))));
    EXPECT_TRUE(fs::is_directory(winetest::HostPath("c:\\WINDOWS\\System32")));
    EXPECT_EQ(winetest::WindowsPath(winetest::HostPath(programFiles)), programFiles);

    // What a Windows program makes is found from Linux under the mapped path.
    const std::string folder = winetest::ScratchFolder("smoke-paths");
    const std::string windowsFolder = winetest::WindowsPath(folder);
    EXPECT_EQ(windowsFolder.compare(0, 3, "Z:\\"), 0) << windowsFolder;
    winetest::ProcessResult made =
        winetest::Run("cmd", {"/c", "mkdir", windowsFolder + "\\Made By Windows"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_TRUE(fs::is_directory(folder + "/Made By Windows"));
    EXPECT_EQ(winetest::HostPath(windowsFolder + "\\made by windows"),
              fs::canonical(folder + "/Made By Windows").string());
}

TEST(WineSmoke, RegistryValuesAreRead) {
    const std::string key = "HKCU\\Software\\Tessark Wine Smoke";
    winetest::Run("reg", {"delete", key, "/f"});
    EXPECT_FALSE(winetest::RegValues(key).has_value());

    ASSERT_EQ(
        winetest::Run("reg", {"add", key, "/v", "Display Name", "/d", "Smoke 1.0", "/f"}).exitCode,
        0);
    ASSERT_EQ(winetest::Run("reg", {"add", key, "/v", "Empty", "/d", "", "/f"}).exitCode, 0);
    ASSERT_EQ(winetest::Run("reg", {"add", key, "/v", "Count", "/t", "REG_DWORD", "/d", "31", "/f"})
                  .exitCode,
              0);
    ASSERT_EQ(winetest::Run("reg", {"add", key + "\\Sub", "/v", "Inner", "/d", "x", "/f"}).exitCode,
              0);

    auto values = winetest::RegValues(key);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->size(), 3u);
    EXPECT_EQ(values->at("Display Name").type, "REG_SZ");
    EXPECT_EQ(values->at("Display Name").data, "Smoke 1.0");
    EXPECT_EQ(values->at("Empty").data, "");
    EXPECT_EQ(values->at("Count").type, "REG_DWORD");
    EXPECT_EQ(values->at("Count").data, "0x1f");

    auto one = winetest::RegQuery(key, "Display Name");
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->data, "Smoke 1.0");
    EXPECT_FALSE(winetest::RegQuery(key, "Missing").has_value());
    winetest::Run("reg", {"delete", key, "/f"});
}

}  // namespace
