// The builder's widgets in the widget gallery under Wine: the property grid's groups, scroll
// bar, Tab cycle and "All" boxes, the rich text editor's RTF, the file lists and the File
// Properties dialog, each driven through the UI driver and looked at in screenshots.

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "builder/ui/win/file_properties_ids.h"
#include "tests/wine/harness/wine_harness.h"
#include "tools/gallery/win/gallery_ids.h"

namespace {

namespace fs = std::filesystem;
using winetest::Drive;
using winetest::DriverResult;
using winetest::ReadHostFile;
using winetest::WriteHostFile;
using Lines = std::vector<std::string>;

const char kWindow[] = "window Tessark Widget Gallery";

std::string Id(int id) {
    return std::to_string(id);
}
std::string Command(int id) {
    return "command " + Id(id);
}
std::string Page(int page) {
    return Command(ID_GALLERY_SHOW_PAGE + page);
}

// What the gallery's state box says after `commands`, one entry per line of the box.
Lines StateAfter(std::vector<std::string> commands) {
    commands.insert(commands.begin(), kWindow);
    commands.push_back("text " + Id(IDC_GALLERY_STATE));
    DriverResult run = Drive(commands);
    EXPECT_TRUE(run.ok()) << run.error;
    if (run.lines.empty()) return {};
    Lines lines;
    std::string text = run.lines.back();
    size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The value of "name=value" in a report line of blank-separated pairs; empty when absent.
std::string Field(const std::string& report, const std::string& name) {
    const std::string spaced = " " + report;
    const size_t at = spaced.find(" " + name + "=");
    if (at == std::string::npos) return {};
    const size_t start = at + name.size() + 1;
    return report.substr(start, report.find(' ', start) - start);
}

// Chooses files in the open-file dialog the gallery shows: goes to `folder` (a Windows path),
// then opens `names` (one name, or several each in quotes).
std::vector<std::string> ChooseFiles(const std::string& folder, const std::string& names) {
    const std::string nameBox = "1148";  // the dialog's file name box
    std::string lastPart = folder.substr(folder.find_last_of('\\') + 1);
    return {"window Open",
            "settext " + nameBox + " " + winetest::DriverText(folder),
            "focus " + nameBox,
            "key ENTER",
            "waittext 1137 " + lastPart,  // the "Look in" box names the folder
            "settext " + nameBox + " " + winetest::DriverText(names),
            "focus " + nameBox,
            "key ENTER"};
}

std::vector<std::string> Then(std::vector<std::string> first,
                              const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// One gallery process per test, closed at the end.
class WidgetGallery : public ::testing::Test {
  protected:
    void SetUp() override {
        gallery_ =
            std::make_unique<winetest::Process>(winetest::WinProgram("tools/gallery/gallery.exe"));
        DriverResult up = Drive({kWindow});
        ASSERT_TRUE(up.ok()) << up.error;
    }
    void TearDown() override {
        Drive({kWindow, "close", "waitclosed"});
        EXPECT_EQ(gallery_->Wait(20000).exitCode, 0);
    }
    std::unique_ptr<winetest::Process> gallery_;
};

TEST_F(WidgetGallery, CollapsingAGroupHidesItsEditorsAndExpandingShowsThem) {
    const std::string box0 = Command(ID_GALLERY_CLICK_BOX + 0);
    DriverResult run =
        Drive({kWindow, Page(GALLERY_PAGE_PROJECT_INFO), "visible 7001", "visible 7009",
               "visible 7012", "visible 7002", box0, "visible 7001", "visible 7009", "visible 7012",
               "visible 7002", box0, "visible 7001", "visible 7009", "visible 7012"});
    ASSERT_TRUE(run.ok()) << run.error;
    EXPECT_EQ(run.lines, Lines({"1", "1", "1", "1", "0", "0", "0", "1", "1", "1", "1"}));
    winetest::Screenshot("widgets-project-info-grid");

    // A double click on a group header toggles it as well.
    const std::string header1 = Command(ID_GALLERY_DOUBLE_CLICK + 1);
    DriverResult twice = Drive({kWindow, header1, "visible 7002", "visible 7006", header1,
                                "visible 7002", "visible 7001"});
    ASSERT_TRUE(twice.ok()) << twice.error;
    EXPECT_EQ(twice.lines, Lines({"0", "0", "1", "1"}));
}

TEST_F(WidgetGallery, TheScrollBarComesWithOneRowTooMany) {
    // Ten rows in a grid of eleven rows' height: they fill the client less one row.
    Lines fitted = StateAfter({Page(GALLERY_PAGE_SCROLL), Command(ID_GALLERY_SCROLL_FIT),
                               Command(ID_GALLERY_REPORT_GRID)});
    ASSERT_EQ(fitted.size(), 1u);
    const int rowHeight = std::stoi(Field(fitted[0], "rowheight"));
    EXPECT_GT(rowHeight, 10);
    EXPECT_EQ(Field(fitted[0], "rows"), "10");
    EXPECT_EQ(std::stoi(Field(fitted[0], "height")), 11 * rowHeight);
    EXPECT_EQ(Field(fitted[0], "scrollbar"), "0") << fitted[0];

    Lines more = StateAfter({Command(ID_GALLERY_SCROLL_ADD_ROW), Command(ID_GALLERY_REPORT_GRID)});
    ASSERT_EQ(more.size(), 1u);
    EXPECT_EQ(Field(more[0], "rows"), "11");
    EXPECT_EQ(Field(more[0], "scrollbar"), "1") << more[0];
    DriverResult bar = Drive({kWindow, "visible " + Id(999)});
    EXPECT_EQ(bar.lines, Lines({"1"})) << bar.error;
}

TEST_F(WidgetGallery, AnArrowScrollsOnePixelAndAWheelNotchThreeRows) {
    // The Files page holds six lists: far more than fits.
    Lines start = StateAfter({Page(GALLERY_PAGE_FILES), Command(ID_GALLERY_REPORT_GRID)});
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(Field(start[0], "scrollbar"), "1") << start[0];
    EXPECT_EQ(Field(start[0], "position"), "0");
    const int rowHeight = std::stoi(Field(start[0], "rowheight"));

    Lines line = StateAfter({Command(ID_GALLERY_SCROLL_LINE)});
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(Field(line[0], "position"), "1");
    Lines wheel = StateAfter({Command(ID_GALLERY_SCROLL_WHEEL)});
    ASSERT_EQ(wheel.size(), 1u);
    // Three rows a notch: the system's wheel setting, 3 unless changed.
    EXPECT_EQ(Field(wheel[0], "position"), std::to_string(1 + 3 * rowHeight));
    winetest::Screenshot("widgets-files-grid");
}

TEST_F(WidgetGallery, TabRunsThroughTheProjectInfoFields) {
    const std::string focus = Command(ID_GALLERY_REPORT_FOCUS);
    const std::string state = "text " + Id(IDC_GALLERY_STATE);
    DriverResult run = Drive({kWindow, Page(GALLERY_PAGE_PROJECT_INFO), "focus 7006", "key TAB",
                              focus, state, "key TAB", focus, state, "focus 7012", "key TAB", focus,
                              state, "key SHIFT+TAB", focus, state});
    ASSERT_TRUE(run.ok()) << run.error;
    EXPECT_EQ(run.lines, Lines({"focus=7001", "focus=7007", "focus=7002", "focus=7012"}));

    // With the product group closed, its fields are passed over.
    DriverResult closed = Drive({kWindow, Command(ID_GALLERY_CLICK_BOX + 0), "focus 7006",
                                 "key TAB", focus, state, Command(ID_GALLERY_CLICK_BOX + 0)});
    ASSERT_TRUE(closed.ok()) << closed.error;
    EXPECT_EQ(closed.lines, Lines({"focus=7002"}));

    // Copy, cut and paste keys reach the edit boxes.
    DriverResult clip =
        Drive({kWindow, "settext 7002 Tessark Labs", "focus 7002", "key HOME", "key SHIFT+END",
               "key CTRL+C", "focus 7003", "key CTRL+V", "focus 7004", "key SHIFT+INSERT",
               "focus 7003", "key HOME", "key SHIFT+END", "key CTRL+X", "text 7003", "text 7004"});
    ASSERT_TRUE(clip.ok()) << clip.error;
    EXPECT_EQ(clip.lines, Lines({"", "Tessark Labs"}));
}

TEST_F(WidgetGallery, KitWidgetsDrawAndAnswer) {
    // A navigator button marks its section and shows it in the header band.
    DriverResult run = Drive({kWindow, "key CTRL+6", "visible 302", "click 302", "text 321"});
    ASSERT_TRUE(run.ok()) << run.error;
    EXPECT_EQ(run.lines, Lines({"1", "MetaTrader Options"}));
    // The owner-drawn Page menu, open over the kit, to look at.
    DriverResult menu = Drive({kWindow, "key ALT+P", "sleep 300"});
    ASSERT_TRUE(menu.ok()) << menu.error;
    winetest::Screenshot("widgets-kit-and-menu");
    Drive({kWindow, "key ESC", "key ESC"});
}

TEST_F(WidgetGallery, TheThreeAllBoxesSetAllEightOptions) {
    const std::vector<int> options = {7021, 7211, 7212, 7022, 7221, 7023, 7231, 7232};
    auto checkedAfter = [&](int box) {
        std::vector<std::string> commands = {kWindow, Page(GALLERY_PAGE_OPTIONS),
                                             "click " + Id(box)};
        for (int id : options) commands.push_back("checked " + Id(id));
        commands.push_back("checked " + Id(box));
        DriverResult run = Drive(commands);
        EXPECT_TRUE(run.ok()) << run.error;
        return run.lines;
    };
    EXPECT_EQ(checkedAfter(7025), Lines(9, "1"));  // Check All
    // Unticking one option leaves the other seven on.
    DriverResult one =
        Drive({kWindow, "click 7211", "checked 7211", "checked 7021", "checked 7232"});
    ASSERT_TRUE(one.ok()) << one.error;
    EXPECT_NE(one.lines[0], "1");
    EXPECT_EQ(one.lines[1], "1");
    EXPECT_EQ(one.lines[2], "1");
    EXPECT_EQ(checkedAfter(7026), Lines(9, "0"));  // Uncheck All
    EXPECT_EQ(checkedAfter(7024), Lines(9, "2"));  // No Change All
    winetest::Screenshot("widgets-options-grid");
}

TEST_F(WidgetGallery, RtfSetThenGotKeepsTextBoldAndItalic) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs20 plain \\b bold\\b0  and "
        "\\i italic\\i0  text\\par}";
    const std::string rtfBox = Id(IDC_GALLERY_RTF);
    DriverResult run = Drive({kWindow, Page(GALLERY_PAGE_RICH_TEXT),
                              "settext " + rtfBox + " " + winetest::DriverText(rtf),
                              "click " + Id(IDC_GALLERY_SET_RTF), "text 12", "settext " + rtfBox,
                              "click " + Id(IDC_GALLERY_GET_RTF), "text " + rtfBox});
    ASSERT_TRUE(run.ok()) << run.error;
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], "plain bold and italic text");
    const std::string got = run.lines[1];
    EXPECT_EQ(got.compare(0, 5, "{\\rtf"), 0) << got;
    EXPECT_NE(got.find("\\b bold\\b0"), std::string::npos) << got;
    EXPECT_NE(got.find("\\i italic\\i0"), std::string::npos) << got;
    winetest::Screenshot("widgets-rich-text-editor");

    // What Get RTF gives, set again, comes back the same.
    DriverResult again = Drive({kWindow, "click " + Id(IDC_GALLERY_SET_RTF), "text 12",
                                "click " + Id(IDC_GALLERY_GET_RTF), "text " + rtfBox});
    ASSERT_TRUE(again.ok()) << again.error;
    EXPECT_EQ(again.lines, Lines({"plain bold and italic text", got}));

    // An empty text empties the editor.
    DriverResult empty =
        Drive({kWindow, "settext " + rtfBox, "click " + Id(IDC_GALLERY_SET_RTF), "text 12"});
    EXPECT_EQ(empty.lines, Lines({""})) << empty.error;
}

TEST_F(WidgetGallery, SaveRtfWritesAnsiWithoutBomAndFailsForAMissingFolder) {
    const std::string folder = winetest::ScratchFolder("widgets-save-rtf");
    const std::string missing = winetest::WindowsPath(folder) + "\\no such folder\\License.rtf";
    Lines failed =
        StateAfter({Page(GALLERY_PAGE_RICH_TEXT),
                    "settext " + Id(IDC_GALLERY_PATH) + " " + winetest::DriverText(missing),
                    "click " + Id(IDC_GALLERY_SAVE_RTF)});
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0], "saved=0");
    EXPECT_FALSE(failed[1].empty()) << "the system's reason";
    EXPECT_FALSE(fs::exists(folder + "/no such folder"));

    const std::string target = winetest::WindowsPath(folder) + "\\License.rtf";
    Lines saved =
        StateAfter({"settext " + Id(IDC_GALLERY_PATH) + " " + winetest::DriverText(target),
                    "click " + Id(IDC_GALLERY_SAVE_RTF)});
    EXPECT_EQ(saved, Lines({"saved=1"}));
    const std::string bytes = ReadHostFile(folder + "/License.rtf");
    EXPECT_EQ(bytes.compare(0, 6, "{\\rtf1"), 0) << "no byte-order mark: " << bytes.substr(0, 8);
    EXPECT_NE(bytes.find("Sample EA"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "nothing but the file is left behind";
}

TEST_F(WidgetGallery, PostExecuteEmptiesTheShortcutAndLocksApp) {
    DriverResult open =
        Drive({kWindow, "click " + Id(IDC_GALLERY_FILE_PROPERTIES), "window File Properties",
               "text " + Id(IDC_FP_DESTINATION), "text " + Id(IDC_FP_SHORTCUT),
               "enabled " + Id(IDC_FP_ONLY_IF_NEWER), "count " + Id(IDC_FP_DESTINATION)});
    ASSERT_TRUE(open.ok()) << open.error;
    EXPECT_EQ(open.lines, Lines({"{desktop}", "Sample Tool", "0", "16"}));
    winetest::Screenshot("widgets-file-properties");

    const std::string destination = Id(IDC_FP_DESTINATION);
    DriverResult tick =
        Drive({"window File Properties", "click " + Id(IDC_FP_POST_EXECUTE),
               "text " + Id(IDC_FP_SHORTCUT), "text " + destination, "enabled " + destination,
               "click " + Id(IDC_FP_POST_EXECUTE), "enabled " + destination, "text " + destination,
               "text " + Id(IDC_FP_SHORTCUT), "click 1", "waitclosed"});
    ASSERT_TRUE(tick.ok()) << tick.error;
    EXPECT_EQ(tick.lines, Lines({"", "{app}", "0", "1", "{app}", ""}));
    // OK: "Only if newer" keeps its "Yes", the unticked flags become empty.
    EXPECT_EQ(StateAfter({}), Lines({"C:\\Samples\\tool.exe|{app}||/quiet|Yes|||"}));

    // Cancel keeps the entry as it was, whatever was typed.
    DriverResult cancel =
        Drive({kWindow, "click " + Id(IDC_GALLERY_FILE_PROPERTIES), "window File Properties",
               "settext " + Id(IDC_FP_PARAMETERS) + " typed", "click 2", "waitclosed"});
    ASSERT_TRUE(cancel.ok()) << cancel.error;
    EXPECT_EQ(StateAfter({}), Lines({"cancelled"}));
    DriverResult reopen =
        Drive({kWindow, "click " + Id(IDC_GALLERY_FILE_PROPERTIES), "window File Properties",
               "text " + Id(IDC_FP_PARAMETERS), "click 2", "waitclosed"});
    EXPECT_EQ(reopen.lines, Lines({"/quiet"})) << reopen.error;
}

TEST_F(WidgetGallery, FileListButtonsChangeTheModelsLists) {
    // Category 1 holds two indicators; removing the first keeps the second.
    const int indicators = 8000 + 10 * 1;
    Lines removed = StateAfter({Page(GALLERY_PAGE_FILES), "select " + Id(indicators) + " 0",
                                "click " + Id(indicators + 3), Command(ID_GALLERY_REPORT_LISTS)});
    ASSERT_EQ(removed.size(), 6u);
    EXPECT_EQ(removed[1], "1: C:\\Samples\\Band Width.mq4");
    DriverResult rows = Drive({kWindow, "items " + Id(indicators)});
    EXPECT_EQ(rows.lines, Lines({"C:\\Samples\\Band Width.mq4"})) << rows.error;

    // Edit on Other Files opens File Properties for the selected row.
    const int other = 8000 + 10 * 5;
    DriverResult edit = Drive({kWindow, "select " + Id(other) + " 1", "click " + Id(other + 2),
                               "window File Properties", "text " + Id(IDC_FP_FILE_NAME),
                               "click " + Id(IDC_FP_AUTOSTART), "click 1", "waitclosed"});
    ASSERT_TRUE(edit.ok()) << edit.error;
    EXPECT_EQ(edit.lines, Lines({"C:\\Samples\\tool.exe"}));
    Lines lists = StateAfter({Command(ID_GALLERY_REPORT_LISTS)});
    ASSERT_EQ(lists.size(), 6u);
    EXPECT_EQ(lists[5],
              "5: C:\\Samples\\Read Me.txt|{app}|||0|0|0|0 || "
              "C:\\Samples\\tool.exe|{app}|Sample Tool||||Yes|");
}

}  // namespace

namespace {

TEST_F(WidgetGallery, AddFilesAppendsInTheDialogsOrderAndRefusesTheEleventh) {
    const std::string folder = winetest::ScratchFolder("widgets-add-files");
    for (const char* name : {"a.mq4", "b.mq4", "c.ex4", "d.mq4", "e.mq4", "f.mq4", "g.mq4", "h.mq4",
                             "i.mq4", "j.mq4"}) {
        WriteHostFile(folder + "/" + name, "x");
    }
    const std::string windowsFolder = winetest::WindowsPath(folder);
    const int experts = 8000;  // category 0's list; it holds one sample file
    DriverResult three =
        Drive(Then({kWindow, Page(GALLERY_PAGE_FILES), "click " + Id(experts + 1)},
                   Then(ChooseFiles(windowsFolder, "\"c.ex4\" \"a.mq4\" \"b.mq4\""),
                        {kWindow, "items " + Id(experts)})));
    ASSERT_TRUE(three.ok()) << three.error;
    ASSERT_EQ(three.lines.size(), 4u);
    EXPECT_EQ(three.lines[1], windowsFolder + "\\c.ex4");
    EXPECT_EQ(three.lines[2], windowsFolder + "\\a.mq4");
    EXPECT_EQ(three.lines[3], windowsFolder + "\\b.mq4");

    // Again with one already listed and seven new: the list holds ten, the rest is refused
    // with a message naming the file; the one already listed passes in silence.
    DriverResult full = Drive(Then(
        {kWindow, "click " + Id(experts + 1)},
        Then(ChooseFiles(windowsFolder,
                         "\"a.mq4\" \"d.mq4\" \"e.mq4\" \"f.mq4\" \"g.mq4\" \"h.mq4\" \"i.mq4\" "
                         "\"j.mq4\""),
             {"msgbox Tessark", "click 1", "waitclosed", kWindow, "count " + Id(experts)})));
    ASSERT_TRUE(full.ok()) << full.error;
    ASSERT_EQ(full.lines.size(), 2u);
    EXPECT_NE(full.lines[0].find("j.mq4\" was not added"), std::string::npos) << full.lines[0];
    EXPECT_EQ(full.lines[0].find("a.mq4"), std::string::npos) << full.lines[0];
    EXPECT_EQ(full.lines[1], "10");
    Lines lists = StateAfter({Command(ID_GALLERY_REPORT_LISTS)});
    ASSERT_EQ(lists.size(), 6u);
    EXPECT_EQ(lists[0].find("j.mq4"), std::string::npos);
    EXPECT_NE(lists[0].find("i.mq4"), std::string::npos);
}

TEST_F(WidgetGallery, PickersTakeReadablePicturesAndClearBackToTheBuiltInOnes) {
    const std::string folder = winetest::ScratchFolder("widgets-pickers");
    WriteHostFile(folder + "/not a picture.jpg", "these bytes are no picture");
    const std::string source = winetest::CurrentSession().sourceDir + "/artwork";
    const std::string windowsFolder = winetest::WindowsPath(folder);
    const std::string artwork = winetest::WindowsPath(source);
    const std::string report = Command(ID_GALLERY_REPORT_PROJECT);

    // With the icon group closed, the banner's buttons are the ones on show.
    DriverResult bad = Drive(Then({kWindow, Page(GALLERY_PAGE_CUSTOMIZE),
                                   Command(ID_GALLERY_CLICK_BOX + 0), "click " + Id(3033)},
                                  Then(ChooseFiles(windowsFolder, "not a picture.jpg"),
                                       {"msgbox Tessark", "click 1", "waitclosed"})));
    ASSERT_TRUE(bad.ok()) << bad.error;
    ASSERT_EQ(bad.lines.size(), 1u);
    EXPECT_NE(bad.lines[0].find(windowsFolder + "\\not a picture.jpg"), std::string::npos)
        << bad.lines[0];
    EXPECT_EQ(StateAfter({report}), Lines({"icon=", "banner="}));

    DriverResult good =
        Drive(Then({kWindow, "click " + Id(3033)}, ChooseFiles(artwork, "setup-banner.jpg")));
    ASSERT_TRUE(good.ok()) << good.error;
    EXPECT_EQ(StateAfter({report}), Lines({"icon=", "banner=" + artwork + "\\setup-banner.jpg"}));
    winetest::Screenshot("widgets-customize-grid");
    EXPECT_EQ(StateAfter({"click " + Id(3034), report}), Lines({"icon=", "banner="}));

    // The icon picker, with the banner group closed instead.
    DriverResult icon = Drive(Then({kWindow, Command(ID_GALLERY_CLICK_BOX + 0),
                                    Command(ID_GALLERY_CLICK_BOX + 1), "click " + Id(3033)},
                                   ChooseFiles(artwork, "setup.ico")));
    ASSERT_TRUE(icon.ok()) << icon.error;
    EXPECT_EQ(StateAfter({report}), Lines({"icon=" + artwork + "\\setup.ico", "banner="}));
    EXPECT_EQ(StateAfter({"click " + Id(3034), report}), Lines({"icon=", "banner="}));
}

}  // namespace

namespace {

TEST_F(WidgetGallery, VersionSpinsStepTheirFieldsWithinTheRange) {
    const std::string state = "text " + Id(IDC_GALLERY_STATE);
    auto up = [](int field) { return Command(ID_GALLERY_SPIN_UP + field); };
    auto down = [](int field) { return Command(ID_GALLERY_SPIN_DOWN + field); };
    DriverResult run = Drive({kWindow,
                              Page(GALLERY_PAGE_PROJECT_INFO),
                              up(1),
                              state,
                              up(1),
                              state,
                              down(1),
                              state,
                              down(1),
                              state,
                              down(1),
                              state,  // 0 is the lowest
                              "settext 7011 12abc",
                              up(2),
                              state,
                              "settext 7011 1234567",
                              up(2),
                              state,  // digits, not "1.23457e+06"
                              "settext 7011 999999999",
                              up(2),
                              state,
                              down(0),
                              state});
    ASSERT_TRUE(run.ok()) << run.error;
    EXPECT_EQ(run.lines, Lines({"field=1", "field=2", "field=1", "field=0", "field=0", "field=13",
                                "field=1234568", "field=999999999", "field=0"}));
}

TEST_F(WidgetGallery, ToolbarButtonsFormatTheTextAndTheRulerMovesTabStops) {
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs20 Terms\\par}";
    auto button = [](int command) { return Command(ID_GALLERY_EDITOR_COMMAND + command - 20); };
    auto rtfAfter = [&](const std::string& command) {
        DriverResult run = Drive(
            {kWindow, command, "click " + Id(IDC_GALLERY_GET_RTF), "text " + Id(IDC_GALLERY_RTF)});
        EXPECT_TRUE(run.ok()) << run.error;
        return run.lines.empty() ? std::string() : run.lines.back();
    };
    Lines start =
        StateAfter({Page(GALLERY_PAGE_RICH_TEXT),
                    "settext " + Id(IDC_GALLERY_RTF) + " " + winetest::DriverText(rtf),
                    "click " + Id(IDC_GALLERY_SET_RTF), Command(ID_GALLERY_REPORT_EDITOR)});
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(Field(start[0], "bold"), "0");
    EXPECT_EQ(Field(start[0], "size"), "10");
    EXPECT_EQ(Field(start[0], "left"), "1");

    Lines bold = StateAfter({button(22)});
    EXPECT_EQ(Field(bold[0], "bold"), "1");
    const std::string boldRtf = rtfAfter(Command(ID_GALLERY_REPORT_EDITOR));
    // "\b" as a control word of its own ("\b " or "\b\lang..."), not "\b0".
    EXPECT_TRUE(boldRtf.find("\\b ") != std::string::npos ||
                boldRtf.find("\\b\\") != std::string::npos)
        << boldRtf;
    EXPECT_EQ(Field(StateAfter({button(22)})[0], "bold"), "0");

    Lines centre = StateAfter({button(26)});
    EXPECT_EQ(Field(centre[0], "centre"), "1");
    EXPECT_EQ(Field(centre[0], "left"), "0");
    EXPECT_NE(rtfAfter(Command(ID_GALLERY_REPORT_EDITOR)).find("\\qc"), std::string::npos);

    // Indent goes to the first tab stop (640 twips), outdent back to the margin. (The rich
    // edit control of Wine writes the indent as "\fi", that of Windows as "\li".)
    const std::string indented = rtfAfter(button(28));
    EXPECT_TRUE(indented.find("\\li640") != std::string::npos ||
                indented.find("\\fi640") != std::string::npos)
        << indented;
    EXPECT_EQ(rtfAfter(button(29)).find("i640"), std::string::npos);
    EXPECT_EQ(Field(StateAfter({button(30)})[0], "bullets"), "1");

    // Dragging the first stop 30 pixels right; then far right, where it stops short of the
    // second.
    Lines dragged = StateAfter({Command(ID_GALLERY_DRAG_TAB)});
    ASSERT_EQ(dragged.size(), 1u);
    const int dpi = std::stoi(Field(dragged[0], "dpi"));
    const int mark = static_cast<int>(640.0 * dpi / 1440 + 0.5);
    const int expected = static_cast<int>((mark + 30) * 1440.0 / dpi + 0.5);
    EXPECT_EQ(Field(dragged[0], "tabs").substr(0, 10), std::to_string(expected) + ",1280,");
    EXPECT_NE(rtfAfter(Command(ID_GALLERY_REPORT_EDITOR)).find("\\tx" + std::to_string(expected)),
              std::string::npos);
    Lines far = StateAfter({Command(ID_GALLERY_DRAG_TAB_FAR)});
    const int second = static_cast<int>(1280.0 * dpi / 1440 + 0.5);
    const int clamped = static_cast<int>((second - 1) * 1440.0 / dpi + 0.5);
    EXPECT_EQ(Field(far[0], "tabs").substr(0, 10), std::to_string(clamped) + ",1280,");
}

}  // namespace
