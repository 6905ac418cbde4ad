// Tessark.exe under Wine, driven through its windows: a project named on the command line is
// shown on the pages, built with F5 into the same package the tessark command makes (apart
// from the texts, which the editors write in their own RTF), started with Test Project, reset
// by New Project, and written back byte for byte by Save As. The update check reads local
// update documents named in the builder's settings.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include "base/text.h"
#include "builder/project/project_record.h"
#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;
using winetest::Drive;
using winetest::DriverResult;
using winetest::DriverText;
using winetest::ReadHostFile;
using winetest::SplitLines;
using winetest::WriteHostFile;

const char kSettingsKey[] = "HKCU\\Software\\Tessark\\Settings";
const char kDom40Key[] = "HKCR\\CLSID\\{88D969C0-F192-11D4-A65F-0040963251E5}";
const char kTitleEnd[] = " - Tessark 1.29 - www.tessark.com";

// The three RTF texts of a project file lie together, from the license to the icon path.
constexpr size_t kRichTextsStart = project::record::kLicenseRtf;
constexpr size_t kRichTextsEnd = project::record::kIconPath;

std::u16string U16(const std::string& utf8) {
    return text::FromUtf8(utf8);
}

// The cells of a "tessark list" table row: its columns are at least two blanks apart.
std::vector<std::string> Cells(const std::string& line) {
    static const std::regex kGap(" {2,}");
    std::vector<std::string> cells;
    const std::string trimmed = line.substr(line.find_first_not_of(' '));
    std::sregex_token_iterator it(trimmed.begin(), trimmed.end(), kGap, -1), end;
    for (; it != end; ++it) cells.push_back(*it);
    return cells;
}

class BuilderWine : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder name with a blank: the command line then carries the path in quotes.
        folder_ = winetest::ScratchFolder("builder wine");
        const std::string source = winetest::CurrentSession().sourceDir + "/examples/sample/";
        licenseRtf_ = ReadHostFile(source + "License.rtf");
        readmeRtf_ = ReadHostFile(source + "ReadMe.rtf");
        ASSERT_FALSE(licenseRtf_.empty());
        ASSERT_FALSE(readmeRtf_.empty());
        for (const char* name : {"GridPilot.ex4", "GridPilot.mq4", "GridBands.ex4", "CloseGrid.ex4",
                                 "grid.wav", "gridmath.dll", "Manual.txt", "Helper.dat"}) {
            WriteHostFile(Host(name), std::string("the bytes of ") + name + std::string(300, 'x'));
        }
        project_ = Windows("robot.eas");
        target_ = Windows("GridPilotSetup.exe");
        WriteProject(Host("robot.eas"));
        SetUpdateDocument("129");
    }

    void TearDown() override {
        winetest::Run("reg", {"delete", kSettingsKey, "/v", "UpdateUrl", "/f"});
    }

    std::string Host(const std::string& name) const { return folder_ + "/" + name; }
    std::string Windows(const std::string& name) const { return winetest::WindowsPath(Host(name)); }

    // The project every test starts from: every field set, files in all six categories, the
    // options in all three states, a license and a readme but no what's-new text.
    void WriteProject(const std::string& hostPath) {
        project::ProjectModel m;
        m.productName = u"Grid Pilot";
        m.productDirectory = u"Grid Pilot";
        m.startMenuGroup = u"Grid Pilot Tools";
        m.version = {u"2", u"1", u"0", u"7"};
        m.publisher = u"Scout Labs";
        m.publisherAddress = u"7 Harbour Road";
        m.productUrl = u"https://gridpilot.example.com/";
        m.contactName = u"Ann Author";
        m.contactEmail = u"ann@gridpilot.example.com";
        m.paths[0] = {U16(Windows("GridPilot.ex4")), U16(Windows("GridPilot.mq4"))};
        m.paths[1] = {U16(Windows("GridBands.ex4"))};
        m.paths[2] = {U16(Windows("CloseGrid.ex4"))};
        m.paths[3] = {U16(Windows("grid.wav"))};
        m.paths[4] = {U16(Windows("gridmath.dll"))};
        project::FileEntry manual = project::NewFileEntry(U16(Windows("Manual.txt")));
        manual.shortcut = u"Grid Pilot Manual";
        project::FileEntry helper = project::NewFileEntry(U16(Windows("Helper.dat")));
        helper.destination = u"{app}\\data";
        helper.neverUninstall = u"Yes";
        m.otherFiles = {manual, helper};
        using project::OptionState;
        m.expertOptions = {OptionState::On,       OptionState::Off,      OptionState::NoChange,
                           OptionState::On,       OptionState::NoChange, OptionState::Off,
                           OptionState::NoChange, OptionState::On};
        m.licenseRtf = U16(licenseRtf_);
        m.readmeRtf = U16(readmeRtf_);
        m.targetFile = U16(target_);
        const std::vector<uint8_t> record = project::EncodeProjectRecord(m);
        WriteHostFile(hostPath, std::string(record.begin(), record.end()));
    }

    void SetUpdateDocument(const std::string& latest) {
        const std::string document = "<?xml version=\"1.0\"?>\n<tessark>\n  <latestversion>" +
                                     latest +
                                     "</latestversion>\n  <updateurl>https://www.tessark.com/"
                                     "download/</updateurl>\n</tessark>\n";
        WriteHostFile(Host("latest.xml"), document);
        ASSERT_EQ(winetest::Run("reg", {"add", kSettingsKey, "/v", "UpdateUrl", "/d",
                                        Windows("latest.xml"), "/f"})
                      .exitCode,
                  0);
    }

    static std::string Builder() { return winetest::WinProgram("builder/ui/win/Tessark.exe"); }

    // Closes the builder through its window and expects a clean end.
    static void Close(winetest::Process& builder) {
        DriverResult closed = Drive({"window Tessark 1.29", "close", "waitclosed"});
        EXPECT_TRUE(closed.ok()) << closed.error;
        const winetest::ProcessResult result = builder.Wait(30000);
        EXPECT_EQ(result.exitCode, 0) << result.err;
    }

    // Closes the builder, whose project has changes, answering No to saving them.
    static void CloseDiscarding(winetest::Process& builder, const std::string& document) {
        DriverResult closed = Drive({"window Tessark 1.29", "close", "msgbox Tessark", "click 7"});
        ASSERT_TRUE(closed.ok()) << closed.error;
        EXPECT_EQ(closed.lines, (std::vector<std::string>{"Save changes to " + document + "?"}));
        const winetest::ProcessResult result = builder.Wait(30000);
        EXPECT_EQ(result.exitCode, 0) << result.err;
    }

    // The title once the changed mark has caught up with the pages: it is looked at again a
    // moment after each edit.
    static std::string SettledTitle(const std::string& expected) {
        std::string title;
        for (int i = 0; i < 10 && title != expected; ++i) {
            DriverResult read = Drive({"window Tessark 1.29", "title"});
            EXPECT_TRUE(read.ok()) << read.error;
            if (!read.ok() || read.lines.empty()) break;
            title = read.lines[0];
        }
        return title;
    }

    // The plain texts of the three editors, read from their pages.
    static std::vector<std::string> EditorTexts() {
        DriverResult texts = Drive({"window Tessark 1.29", "click 1103", "text 12", "click 1104",
                                    "text 12", "click 1105", "text 12"});
        EXPECT_TRUE(texts.ok()) << texts.error;
        return texts.lines;
    }

    std::string folder_, project_, target_, licenseRtf_, readmeRtf_;
};

TEST_F(BuilderWine, ShowsTheCommandLineProjectOnEveryPage) {
    winetest::Process builder(Builder(), {project_});
    DriverResult info = Drive({"window robot.eas", "title", "text 200", "text 7001", "text 7007",
                               "text 7008", "text 7009", "text 7010", "text 7011", "text 7012",
                               "text 7002", "text 7003", "text 7004", "text 7005", "text 7006"});
    ASSERT_TRUE(info.ok()) << info.error;
    EXPECT_EQ(info.lines,
              (std::vector<std::string>{
                  "robot.eas" + std::string(kTitleEnd), "Project Info", "Grid Pilot", "Grid Pilot",
                  "Grid Pilot Tools", "2", "1", "0", "7", "Scout Labs", "7 Harbour Road",
                  "https://gridpilot.example.com/", "Ann Author", "ann@gridpilot.example.com"}));
    winetest::Screenshot("builder-0-project-info");

    // Files: each category's list (8000 + 10 * category) shows its files in order.
    DriverResult files =
        Drive({"window Tessark 1.29", "click 1101", "text 200", "items 8000", "items 8010",
               "items 8020", "items 8030", "items 8040", "items 8050"});
    ASSERT_TRUE(files.ok()) << files.error;
    EXPECT_EQ(files.lines,
              (std::vector<std::string>{"Files", Windows("GridPilot.ex4"), Windows("GridPilot.mq4"),
                                        Windows("GridBands.ex4"), Windows("CloseGrid.ex4"),
                                        Windows("grid.wav"), Windows("gridmath.dll"),
                                        Windows("Manual.txt"), Windows("Helper.dat")}));
    winetest::Screenshot("builder-1-files");

    DriverResult options = Drive({"window Tessark 1.29", "click 1102", "text 200", "checked 7021",
                                  "checked 7211", "checked 7212", "checked 7022", "checked 7221",
                                  "checked 7023", "checked 7231", "checked 7232"});
    ASSERT_TRUE(options.ok()) << options.error;
    EXPECT_EQ(options.lines, (std::vector<std::string>{"MetaTrader Options", "1", "0", "2", "1",
                                                       "2", "0", "2", "1"}));
    winetest::Screenshot("builder-2-options");

    // "Check All" sets all eight; one option then changes alone.
    DriverResult all = Drive({"window Tessark 1.29", "click 7025", "click 7212", "checked 7021",
                              "checked 7211", "checked 7212", "checked 7232", "checked 7025"});
    ASSERT_TRUE(all.ok()) << all.error;
    EXPECT_EQ(all.lines, (std::vector<std::string>{"1", "1", "2", "1", "1"}));

    const char* const texts[] = {"License Agreement", "Readme Info", "What's new Info"};
    const char* const shots[] = {"builder-3-license", "builder-4-readme", "builder-5-whats-new"};
    for (int i = 0; i < 3; ++i) {
        DriverResult page =
            Drive({"window Tessark 1.29", "click " + std::to_string(1103 + i), "text 200"});
        ASSERT_TRUE(page.ok()) << page.error;
        EXPECT_EQ(page.lines, (std::vector<std::string>{texts[i]}));
        winetest::Screenshot(shots[i]);
    }
    const std::vector<std::string> editors = EditorTexts();
    ASSERT_EQ(editors.size(), 3u);
    EXPECT_NE(editors[0].find("Moving Cross sample license"), std::string::npos) << editors[0];
    EXPECT_FALSE(editors[1].empty());
    EXPECT_EQ(editors[2], "");

    DriverResult customize =
        Drive({"window Tessark 1.29", "click 1106", "text 200", "visible 7031", "visible 7032"});
    ASSERT_TRUE(customize.ok()) << customize.error;
    EXPECT_EQ(customize.lines, (std::vector<std::string>{"Customize", "1", "1"}));
    winetest::Screenshot("builder-6-customize");

    // F5 builds only from the Build page: pressed on another page it does nothing.
    DriverResult elsewhere =
        Drive({"window Tessark 1.29", "click 1100", "focus 7001", "key F5", "sleep 500",
               "click 1107", "text 200", "text 3011", "enabled 3033", "count 3010"});
    ASSERT_TRUE(elsewhere.ok()) << elsewhere.error;
    EXPECT_EQ(elsewhere.lines, (std::vector<std::string>{"Build", target_, "0", "0"}));
    // Choosing Build wrote the editors' texts for the build into the temporary folder.
    const std::string temp = winetest::HostPath(winetest::WindowsFolder("temp"));
    EXPECT_NE(ReadHostFile(temp + "/License.rtf").find("Moving Cross sample license"),
              std::string::npos);
    EXPECT_EQ(ReadHostFile(temp + "/License.rtf").rfind("{\\rtf", 0), 0u);
    EXPECT_TRUE(fs::exists(temp + "/Readme.rtf"));
    EXPECT_TRUE(fs::exists(temp + "/What's New.rtf"));
    winetest::Screenshot("builder-7-build");

    // A typed value survives a trip to another section and back.
    DriverResult typed = Drive({"window Tessark 1.29", "click 1100", "settext 7003 1 Pier Lane",
                                "click 1105", "click 1100", "text 7003"});
    ASSERT_TRUE(typed.ok()) << typed.error;
    EXPECT_EQ(typed.lines, (std::vector<std::string>{"1 Pier Lane"}));
    CloseDiscarding(builder, "robot.eas");
}

TEST_F(BuilderWine, BuildsWithF5TheSetupTheCommandBuilds) {
    winetest::Process builder(Builder(), {project_});
    DriverResult built = Drive({"window robot.eas", "click 1107", "focus 3010", "key F5",
                                "timeout 60000", "msgbox Tessark"});
    ASSERT_TRUE(built.ok()) << built.error;
    ASSERT_EQ(built.lines.size(), 1u);
    EXPECT_EQ(built.lines[0], "Setup file " + target_ +
                                  " has been created successfully. \nClick to Test Project button "
                                  "to start this file directly.");
    winetest::Screenshot("builder-7-build-done");
    DriverResult log = Drive({"msgbox Tessark", "click 1", "waitclosed", "window Tessark 1.29",
                              "items 3010", "enabled 3016", "enabled 3033"});
    ASSERT_TRUE(log.ok()) << log.error;
    // The message again, 5 fixed entries, 8 files, "Done.", the two buttons.
    ASSERT_EQ(log.lines.size(), 17u);
    EXPECT_EQ(log.lines[1].rfind("Adding ", 0), 0u);
    EXPECT_NE(log.lines[1].find("project.ico"), std::string::npos);
    EXPECT_EQ(log.lines[6], "Adding " + Windows("GridPilot.ex4"));
    EXPECT_EQ(log.lines[13], "Adding " + Windows("Helper.dat"));
    EXPECT_EQ(log.lines[14], "Done.");
    EXPECT_EQ(log.lines[15], "1");
    EXPECT_EQ(log.lines[16], "1");

    // The command builds the same project into a second setup.
    const std::string second = Windows("CommandSetup.exe");
    winetest::ProcessResult command =
        winetest::Run(winetest::WinProgram("cli/tessark.exe"), {"build", project_, "-o", second});
    ASSERT_EQ(command.exitCode, 0) << command.out << command.err;
    winetest::ProcessResult gui = winetest::RunTessark({"list", Host("GridPilotSetup.exe")});
    winetest::ProcessResult cli = winetest::RunTessark({"list", Host("CommandSetup.exe")});
    ASSERT_EQ(gui.exitCode, 0) << gui.err;
    ASSERT_EQ(cli.exitCode, 0) << cli.err;
    const std::vector<std::string> guiLines = SplitLines(gui.out);
    const std::vector<std::string> cliLines = SplitLines(cli.out);
    ASSERT_EQ(guiLines.size(), cliLines.size()) << gui.out << cli.out;
    bool inFiles = false;
    int row = -1;
    for (size_t i = 0; i < guiLines.size(); ++i) {
        if (guiLines[i].rfind("Files (", 0) == 0) inFiles = true;
        if (!inFiles || guiLines[i].rfind("  ", 0) != 0) {
            EXPECT_EQ(guiLines[i], cliLines[i]);  // project strings, expert options, headings
            continue;
        }
        const std::vector<std::string> a = Cells(guiLines[i]);
        const std::vector<std::string> b = Cells(cliLines[i]);
        ASSERT_EQ(a.size(), 9u) << guiLines[i];
        ASSERT_EQ(b.size(), 9u) << cliLines[i];
        // Number, name, destination, shortcut, parameters and flags of every entry; the sizes
        // of all but the three texts. Offsets move with the texts' sizes.
        for (int c = 0; c < 6; ++c) EXPECT_EQ(a[c], b[c]) << guiLines[i];
        if (row >= 0 && (row < 2 || row > 4)) {
            EXPECT_EQ(a[6], b[6]) << guiLines[i];
            EXPECT_EQ(a[7], b[7]) << guiLines[i];
        }
        ++row;
    }
    EXPECT_EQ(row, 13) << "a heading and 13 entries";
    EXPECT_NE(gui.out.find("builderVersion    129"), std::string::npos) << gui.out;
    EXPECT_NE(gui.out.find("Grid Pilot Manual"), std::string::npos);

    // Test Project starts the setup just built.
    DriverResult test = Drive({"window Tessark 1.29", "click 3033", "timeout 30000",
                               "window Grid Pilot 2.1.0.7 Installer", "title"});
    ASSERT_TRUE(test.ok()) << test.error;
    EXPECT_EQ(test.lines[0].find("Tessark | Grid Pilot 2.1.0.7 Installer"), 0u) << test.lines[0];
    winetest::Screenshot("builder-test-project");
    DriverResult cancelled =
        Drive({"window Grid Pilot 2.1.0.7 Installer", "click 2", "waitclosed"});
    EXPECT_TRUE(cancelled.ok()) << cancelled.error;

    // Another target disables Test Project until the next build.
    DriverResult retarget =
        Drive({"window Tessark 1.29", "settext 3011 " + DriverText(Windows("Other.exe")),
               "enabled 3033"});
    ASSERT_TRUE(retarget.ok()) << retarget.error;
    EXPECT_EQ(retarget.lines, (std::vector<std::string>{"0"}));
    CloseDiscarding(builder, "robot.eas");
}

TEST_F(BuilderWine, MakesAProductFromNothing) {
    winetest::Process builder(Builder());
    const std::string target = Windows("FreshSetup.exe");
    // Type the name, add an expert through Add Files, tick every option, write a license. The
    // first read waits for the builder's message loop, which a command sent earlier could miss.
    // The first file dialog of a fresh prefix may take a loaded machine more than 10 s.
    DriverResult made = Drive({"window Tessark 1.29",
                               "text 7001",
                               "command 57600",
                               "window Untitled",
                               "settext 7001 Fresh Robot",
                               "click 1101",
                               "click 8001",
                               "timeout 30000",
                               "window Open",
                               "timeout 10000",
                               "settext 1148 " + DriverText(Windows("GridPilot.ex4")),
                               "command 1",
                               "waitclosed",
                               "window Untitled",
                               "items 8000",
                               "click 1102",
                               "click 7025",
                               "click 1103",
                               "focus 12",
                               "type Use it well.",
                               "text 12"});
    ASSERT_TRUE(made.ok()) << made.error;
    EXPECT_EQ(made.lines,
              (std::vector<std::string>{"My Project", Windows("GridPilot.ex4"), "Use it well."}));

    // Select Target File names the setup; then build and test it.
    DriverResult chosen = Drive({"window Untitled", "click 1107", "click 3014", "window Save As",
                                 "settext 1148 " + DriverText(Windows("FreshSetup")), "command 1",
                                 "waitclosed", "window Untitled", "text 3011"});
    ASSERT_TRUE(chosen.ok()) << chosen.error;
    EXPECT_EQ(chosen.lines, (std::vector<std::string>{target}));
    DriverResult built =
        Drive({"window Untitled", "focus 3010", "key F5", "timeout 60000", "msgbox Tessark",
               "click 1", "waitclosed", "window Untitled", "click 3033",
               "window Fresh Robot 1.0.0.0 Installer", "click 2", "waitclosed"});
    ASSERT_TRUE(built.ok()) << built.error;
    CloseDiscarding(builder, "Untitled");

    winetest::ProcessResult list = winetest::RunTessark({"list", Host("FreshSetup.exe")});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find("productName       Fresh Robot"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("allowExternalImports    1 (on)"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("Files (6):"), std::string::npos) << list.out;
    // The typed license is installed; the empty readme is packed without a destination.
    const std::vector<std::string> lines = SplitLines(list.out);
    bool license = false, readme = false, expert = false;
    for (const std::string& line : lines) {
        const std::vector<std::string> cells =
            line.rfind("  ", 0) == 0 ? Cells(line) : std::vector<std::string>();
        if (cells.size() != 9) continue;
        if (cells[1] == "License.rtf") license = cells[2] == "{app}\\";
        if (cells[1] == "Readme.rtf") readme = cells[2] == "-" && cells[3] == "-";
        if (cells[1] == "GridPilot.ex4") expert = cells[2] == "{metatrader}\\experts\\";
    }
    EXPECT_TRUE(license) << list.out;
    EXPECT_TRUE(readme) << list.out;
    EXPECT_TRUE(expert) << list.out;
}

TEST_F(BuilderWine, OpensAProjectThroughTheOpenDialog) {
    winetest::Process builder(Builder());
    DriverResult opened = Drive({"window Tessark 1.29", "command 57601", "window Open",
                                 "settext 1148 " + DriverText(Windows("robot.eas")), "command 1",
                                 "waitclosed", "window robot.eas", "title", "text 7001",
                                 "checked 7212", "count 8050", "text 3011"});
    ASSERT_TRUE(opened.ok()) << opened.error;
    EXPECT_EQ(opened.lines, (std::vector<std::string>{"robot.eas" + std::string(kTitleEnd),
                                                      "Grid Pilot", "2", "2", target_}));
    Close(builder);
}

TEST_F(BuilderWine, AProjectThatCannotBeReadLeavesThePagesAsTheyWere) {
    winetest::Process builder(Builder(), {Windows("missing.eas")});
    DriverResult failed = Drive({"msgbox Tessark", "click 1", "waitclosed"});
    ASSERT_TRUE(failed.ok()) << failed.error;
    EXPECT_EQ(failed.lines, (std::vector<std::string>{"Failed to read."}));
    DriverResult kept = Drive({"window Tessark 1.29", "title", "text 7001", "text 7007"});
    ASSERT_TRUE(kept.ok()) << kept.error;
    EXPECT_EQ(kept.lines,
              (std::vector<std::string>{"Tessark 1.29 - www.tessark.com", "My Project", "App"}));
    Close(builder);
}

TEST_F(BuilderWine, NewProjectShowsTheNewProjectValues) {
    winetest::Process builder(Builder(), {project_});
    // Ctrl+N is New Project.
    DriverResult reset = Drive(
        {"window robot.eas", "key CTRL+N",   "window Untitled", "title",        "text 7001",
         "text 7007",        "text 7008",    "text 7009",       "text 7010",    "text 7011",
         "text 7012",        "text 7002",    "text 7006",       "checked 7021", "checked 7211",
         "checked 7212",     "checked 7022", "checked 7221",    "checked 7023", "checked 7231",
         "checked 7232",     "count 8000",   "count 8050",      "text 3011"});
    ASSERT_TRUE(reset.ok()) << reset.error;
    EXPECT_EQ(reset.lines, (std::vector<std::string>{"Untitled" + std::string(kTitleEnd),
                                                     "New Project",
                                                     "Tessark Project",
                                                     "Tessark Project",
                                                     "1",
                                                     "0",
                                                     "0",
                                                     "0",
                                                     "",
                                                     "",
                                                     "1",
                                                     "1",
                                                     "1",
                                                     "1",
                                                     "0",
                                                     "1",
                                                     "0",
                                                     "1",
                                                     "0",
                                                     "0",
                                                     ""}));
    const std::vector<std::string> editors = EditorTexts();
    EXPECT_EQ(editors, (std::vector<std::string>{"", "", ""}));
    Close(builder);
}

TEST_F(BuilderWine, SaveAsWithoutEditsWritesTheSameProject) {
    const std::vector<std::string> original = [this] {
        winetest::Process builder(Builder(), {project_});
        std::vector<std::string> texts = EditorTexts();
        // Named without its extension: the builder adds ".eas".
        DriverResult saved = Drive({"window robot.eas", "command 57604", "window Save As",
                                    "settext 1148 " + DriverText(Windows("copy")), "command 1",
                                    "waitclosed", "window copy.eas", "title"});
        EXPECT_TRUE(saved.ok()) << saved.error;
        EXPECT_EQ(saved.lines, (std::vector<std::string>{"copy.eas" + std::string(kTitleEnd)}));
        EXPECT_TRUE(winetest::WaitForHostFileSize(Host("copy.eas"), project::record::kRecordSize));
        Close(builder);
        return texts;
    }();

    const std::string before = ReadHostFile(Host("robot.eas"));
    const std::string after = ReadHostFile(Host("copy.eas"));
    ASSERT_EQ(after.size(), project::record::kRecordSize);
    for (size_t i = 0; i < after.size(); ++i) {
        if (i >= kRichTextsStart && i < kRichTextsEnd) continue;
        ASSERT_EQ(before[i], after[i]) << "byte " << i;
    }

    // The editors' own RTF reads back as the same texts.
    winetest::Process reopened(Builder(), {Windows("copy.eas")});
    DriverResult shown = Drive({"window copy.eas"});
    ASSERT_TRUE(shown.ok()) << shown.error;
    EXPECT_EQ(EditorTexts(), original);
    ASSERT_EQ(original.size(), 3u);
    EXPECT_NE(original[0].find("Moving Cross sample license"), std::string::npos);
    Close(reopened);
}

// Edits are never lost without a word: a changed project is marked in the title (and unmarked
// when the change is taken back), New and closing ask whether to save it, Cancel keeps
// everything, No discards, Yes saves (naming an untitled project first). The Project Info
// fields take only what a project file keeps, and Save As changes the title and the next
// Save's file only once the file is written.
TEST_F(BuilderWine, AsksBeforeEditsAreLostAndFieldsHoldWhatTheFileHolds) {
    winetest::Process builder(Builder(), {project_});
    const std::string clean = "robot.eas" + std::string(kTitleEnd);
    DriverResult opened = Drive({"window robot.eas", "title", "focus 7003", "key END", "type X",
                                 "window *robot.eas", "title", "text 7003"});
    ASSERT_TRUE(opened.ok()) << opened.error;
    EXPECT_EQ(opened.lines, (std::vector<std::string>{clean, "*" + clean, "7 Harbour RoadX"}));
    winetest::Screenshot("builder-changed-title");
    DriverResult undone = Drive({"window robot.eas", "focus 7003", "key END BACKSPACE"});
    ASSERT_TRUE(undone.ok()) << undone.error;
    EXPECT_EQ(SettledTitle(clean), clean) << "the project is as opened again";

    // Typed beyond the field's room, the name keeps 63 characters and the address 127.
    std::string name;
    while (name.size() < 70) name += "Grid Pilot Pro ";
    name.resize(70);
    const std::string url = "https://gridpilot.example.com/" + std::string(100, 'p');
    DriverResult limited =
        Drive({"window robot.eas", "settext 7001", "focus 7001", "type " + name, "settext 7004",
               "focus 7004", "type " + url, "text 7001", "text 7004"});
    ASSERT_TRUE(limited.ok()) << limited.error;
    EXPECT_EQ(limited.lines, (std::vector<std::string>{name.substr(0, 63), url.substr(0, 127)}));

    // New asks; Cancel keeps the project and its mark.
    DriverResult kept = Drive({"window robot.eas", "key CTRL+N", "msgbox Tessark", "click 2",
                               "waitclosed", "window robot.eas", "text 7001"});
    ASSERT_TRUE(kept.ok()) << kept.error;
    EXPECT_EQ(kept.lines,
              (std::vector<std::string>{"Save changes to robot.eas?", name.substr(0, 63)}));
    EXPECT_EQ(SettledTitle("*" + clean), "*" + clean);

    // A target path longer than a project file keeps: Save As warns, and cancelling leaves the
    // title and the file of the next Save as they were.
    const std::string longTarget = Windows("setups\\" + std::string(260, 's') + ".exe");
    DriverResult asked = Drive(
        {"window robot.eas", "click 1107", "settext 3011 " + DriverText(longTarget),
         "command 57604", "window Save As", "settext 1148 " + DriverText(Windows("copy")),
         "command 1", "msgbox Tessark", "click 2", "waitclosed", "window robot.eas", "title"});
    ASSERT_TRUE(asked.ok()) << asked.error;
    ASSERT_EQ(asked.lines.size(), 2u);
    EXPECT_NE(asked.lines[0].find("Target File"), std::string::npos) << asked.lines[0];
    EXPECT_EQ(asked.lines[1], "*" + clean);
    EXPECT_FALSE(fs::exists(Host("copy.eas")));

    // Save goes to the opened file, with the typed texts whole, and clears the mark.
    DriverResult saved = Drive(
        {"window robot.eas", "settext 3011 " + DriverText(target_), "focus 3011", "key CTRL+S"});
    ASSERT_TRUE(saved.ok()) << saved.error;
    EXPECT_EQ(SettledTitle(clean), clean);
    const std::string bytes = ReadHostFile(Host("robot.eas"));
    const project::ProjectModel written =
        project::DecodeProjectRecord(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    EXPECT_EQ(written.productName, U16(name.substr(0, 63)));
    EXPECT_EQ(written.productUrl, U16(url.substr(0, 127)));
    EXPECT_EQ(written.targetFile, U16(target_));

    // A ticked option is a change; closing asks, and No leaves the file as saved.
    DriverResult ticked =
        Drive({"window robot.eas", "click 1102", "click 7025", "window *robot.eas"});
    ASSERT_TRUE(ticked.ok()) << ticked.error;
    winetest::Screenshot("builder-options-changed");
    CloseDiscarding(builder, "robot.eas");
    EXPECT_EQ(ReadHostFile(Host("robot.eas")), bytes);

    // An untitled project: Yes saves it under the name chosen, then the builder closes.
    winetest::Process fresh(Builder());
    DriverResult yes = Drive({"window Tessark 1.29", "focus 7001", "key END", "type !",
                              "window *Tessark 1.29", "close", "msgbox Tessark"});
    ASSERT_TRUE(yes.ok()) << yes.error;
    EXPECT_EQ(yes.lines, (std::vector<std::string>{"Save changes to Untitled?"}));
    winetest::Screenshot("builder-save-changes-question");
    DriverResult named = Drive({"msgbox Tessark", "click 6", "window Save As",
                                "settext 1148 " + DriverText(Windows("fresh")), "command 1"});
    ASSERT_TRUE(named.ok()) << named.error;
    const winetest::ProcessResult ended = fresh.Wait(30000);
    EXPECT_EQ(ended.exitCode, 0) << ended.err;
    const std::string freshBytes = ReadHostFile(Host("fresh.eas"));
    EXPECT_EQ(project::DecodeProjectRecord(reinterpret_cast<const uint8_t*>(freshBytes.data()),
                                           freshBytes.size())
                  .productName,
              u"My Project!");
}

// On the Files page one wheel notch moves three rows; over a list that can scroll the list
// takes the wheel, over one that cannot (or has reached its end) the page does. A build into a
// folder that does not exist says so in one message, and Test Project then stays disabled; a
// build that fails while writing the setup enables it, and it says there is nothing to start.
TEST_F(BuilderWine, WheelScrollsThePageAndBuildFailuresSayWhy) {
    // Eleven indicators: more than their list shows at once.
    std::vector<std::u16string> indicators;
    for (int i = 0; i < 11; ++i) {
        const std::string file = "Band" + std::to_string(i) + ".ex4";
        WriteHostFile(Host(file), "the bytes of " + file);
        indicators.push_back(U16(Windows(file)));
    }
    const std::string bytes = ReadHostFile(Host("robot.eas"));
    project::ProjectModel model =
        project::DecodeProjectRecord(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    model.paths[1] = {indicators.begin(), indicators.begin() + 10};
    const std::vector<uint8_t> record = project::EncodeProjectRecord(model);
    WriteHostFile(Host("lists.eas"), std::string(record.begin(), record.end()));

    winetest::Process builder(Builder(), {Windows("lists.eas")});
    DriverResult wheel =
        Drive({"window lists.eas", "click 1101", "scrollpos 999", "wheel 8000 -1",
               "scrollpos 999",  // a list with two rows
               "wheel 8010 -1", "scrollpos 8010", "scrollpos 999", "wheel 8010 1", "scrollpos 8010",
               "scrollpos 999", "wheel 8010 1", "scrollpos 8010", "scrollpos 999"});
    ASSERT_TRUE(wheel.ok()) << wheel.error;
    ASSERT_EQ(wheel.lines.size(), 8u);
    EXPECT_EQ(wheel.lines[0], "0");
    const int notch = std::stoi(wheel.lines[1]);
    EXPECT_EQ(notch % 3, 0) << notch;  // three rows
    EXPECT_GE(notch, 3 * 16);
    EXPECT_LE(notch, 3 * 30);
    EXPECT_EQ(wheel.lines[2], "3") << "the indicators' list scrolls three rows itself";
    EXPECT_EQ(wheel.lines[3], std::to_string(notch));
    EXPECT_EQ(wheel.lines[4], "0");
    EXPECT_EQ(wheel.lines[5], std::to_string(notch));
    EXPECT_EQ(wheel.lines[6], "0");
    EXPECT_EQ(wheel.lines[7], "0") << "at its top, the list passes the wheel to the page";
    winetest::Screenshot("builder-files-wheel");

    // A folder that does not exist: one message naming it, and nothing to test.
    const std::string missing = Windows("no such folder");
    DriverResult stopped = Drive({"window lists.eas", "click 1107",
                                  "settext 3011 " + DriverText(missing + "\\Setup.exe"),
                                  "window *lists.eas", "focus 3010", "key F5", "msgbox Tessark"});
    ASSERT_TRUE(stopped.ok()) << stopped.error;
    const std::string missingMessage = "The folder " + missing +
                                       " does not exist, so the setup file cannot be written "
                                       "there. Choose another target file, or make the folder "
                                       "first.";
    EXPECT_EQ(stopped.lines, (std::vector<std::string>{missingMessage}));
    winetest::Screenshot("builder-missing-folder");
    DriverResult after = Drive({"msgbox Tessark", "click 1", "waitclosed", "window lists.eas",
                                "enabled 3033", "enabled 3016", "count 3010"});
    ASSERT_TRUE(after.ok()) << after.error;
    EXPECT_EQ(after.lines, (std::vector<std::string>{missingMessage, "0", "1", "0"}));
    DriverResult second = Drive({"timeout 1500", "msgbox Tessark"});
    EXPECT_FALSE(second.ok()) << "a second message: " << second.lines.size();

    // A target that is a folder: the setup cannot be written, and Test Project is enabled as
    // after every build that went as far as writing; it says there is no setup to start.
    fs::create_directories(Host("occupied.exe"));
    const std::string occupied = Windows("occupied.exe");
    DriverResult failed =
        Drive({"window lists.eas", "settext 3011 " + DriverText(occupied), "focus 3010", "key F5",
               "timeout 60000", "msgbox Tessark", "click 1", "waitclosed", "window lists.eas",
               "enabled 3033", "click 3033", "msgbox Tessark", "click 1", "waitclosed"});
    ASSERT_TRUE(failed.ok()) << failed.error;
    ASSERT_EQ(failed.lines.size(), 3u);
    EXPECT_EQ(failed.lines[0].rfind("Unknown Error", 0), 0u) << failed.lines[0];
    EXPECT_EQ(failed.lines[1], "1");
    EXPECT_EQ(failed.lines[2],
              "There is no setup file " + occupied + " to test: the last build did not write it.");
    CloseDiscarding(builder, "lists.eas");
}

// The update check looks for msxml4.dll below the Windows folder before it reads the document.
// Wine brings one; should a prefix lack it, an empty stand-in lets the search succeed, and the
// DOM comes from the newest class the prefix has.
class UpdateStandIn {
  public:
    UpdateStandIn() {
        const std::string windows = winetest::HostPath(winetest::WindowsFolder("windows"));
        for (const auto& entry : fs::recursive_directory_iterator(
                 windows, fs::directory_options::skip_permission_denied)) {
            if (text::EqualsNoCase(text::FromUtf8(entry.path().filename().string()),
                                   u"msxml4.dll")) {
                return;
            }
        }
        standIn_ = windows + "/Tessark Update Test/msxml4.dll";
        WriteHostFile(standIn_, "");
    }
    ~UpdateStandIn() {
        if (!standIn_.empty()) fs::remove_all(fs::path(standIn_).parent_path());
    }

  private:
    std::string standIn_;
};

TEST_F(BuilderWine, UpdateButtonOffersANewerBuilder) {
    UpdateStandIn library;
    SetUpdateDocument("130");
    winetest::Process builder(Builder());
    DriverResult before = Drive({"window Tessark 1.29", "text 1108"});
    ASSERT_TRUE(before.ok()) << before.error;
    EXPECT_EQ(before.lines, (std::vector<std::string>{""})) << "no check before New Project";

    const auto started = std::chrono::steady_clock::now();
    DriverResult offered = Drive({"window Tessark 1.29", "command 57600", "timeout 60000",
                                  "waittext 1108 Update to", "text 1108"});
    ASSERT_TRUE(offered.ok()) << offered.error;
    EXPECT_EQ(offered.lines, (std::vector<std::string>{"Update to 1.30"}));
    const auto took = std::chrono::steady_clock::now() - started;
    winetest::Screenshot("builder-update-offered");
    Close(builder);

    // The same builder version: the button stays blank, though the check had ample time.
    SetUpdateDocument("129");
    winetest::Process current(Builder());
    DriverResult none = Drive({"window Tessark 1.29", "command 57600"});
    ASSERT_TRUE(none.ok()) << none.error;
    std::this_thread::sleep_for(
        std::max<std::chrono::steady_clock::duration>(3 * took, std::chrono::seconds(3)));
    DriverResult blank = Drive({"window Tessark 1.29", "text 1108"});
    ASSERT_TRUE(blank.ok()) << blank.error;
    EXPECT_EQ(blank.lines, (std::vector<std::string>{""}));
    Close(current);
}

TEST_F(BuilderWine, UpdateCheckUsesANewerDomWhereTheOldOneIsMissing) {
    UpdateStandIn library;
    // Take the 4.0 DOM class away for this test (the session's prefix is this run's own).
    const std::string saved = Host("dom40.reg");
    ASSERT_EQ(
        winetest::Run("reg", {"export", kDom40Key, winetest::WindowsPath(saved), "/y"}).exitCode,
        0);
    ASSERT_EQ(winetest::Run("reg", {"delete", kDom40Key, "/f"}).exitCode, 0);
    SetUpdateDocument("130");
    {
        winetest::Process builder(Builder());
        DriverResult offered = Drive({"window Tessark 1.29", "command 57600", "timeout 60000",
                                      "waittext 1108 Update to", "text 1108"});
        EXPECT_TRUE(offered.ok()) << offered.error;
        EXPECT_EQ(offered.lines, (std::vector<std::string>{"Update to 1.30"}));
        Close(builder);
    }
    EXPECT_EQ(winetest::Run("reg", {"import", winetest::WindowsPath(saved)}).exitCode, 0);
    EXPECT_TRUE(winetest::RegValues(kDom40Key).has_value());
}

TEST_F(BuilderWine, AboutBoxNamesTheBuilderAndItsLinks) {
    winetest::Process builder(Builder());
    DriverResult about = Drive({"window Tessark 1.29", "command 57664", "window About", "title",
                                "text 1001", "text 1002", "text 1005", "text 1006"});
    ASSERT_TRUE(about.ok()) << about.error;
    EXPECT_EQ(about.lines, (std::vector<std::string>{"About ", "Tessark 1.29", "Version 1.29",
                                                     "Tessark on the web", "www.tessark.com"}));
    winetest::Screenshot("builder-about");
    DriverResult closed = Drive({"window About", "click 1", "waitclosed"});
    EXPECT_TRUE(closed.ok()) << closed.error;
    Close(builder);
}

}  // namespace
