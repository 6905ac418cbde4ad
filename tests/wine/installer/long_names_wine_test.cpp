// Long product names on a setup's pages: with the longest name a project file keeps (63
// characters) and a 259-character one (which a package can carry), the texts that name the
// product wrap within the page, their controls and the page grow to hold them, and no control
// runs under another. Steps 1, 4 and 5 are saved as screenshots for looking at.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "base/text.h"
#include "package/self_extractor.h"
#include "tests/wine/harness/wine_harness.h"

namespace {

using winetest::Drive;
using winetest::DriverResult;

const char kVersion[] = "2.10.300.4000";

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Height() const { return bottom - top; }
};

// A line of the driver's "rect" command.
Box ParseBox(const std::string& line) {
    std::istringstream in(line);
    Box box;
    in >> box.left >> box.top >> box.right >> box.bottom;
    return box;
}

// Each control lies wholly above the next one in `column`, as the page shows them top down.
void ExpectStacked(const std::vector<std::string>& names, const std::vector<Box>& column) {
    for (size_t i = 1; i < column.size(); ++i) {
        EXPECT_LE(column[i - 1].bottom, column[i].top)
            << names[i - 1] << " runs under " << names[i];
    }
}

// A product name of `length` characters, in words as an author writes them.
std::string ProductName(size_t length) {
    const char* const words[] = {"Grid", "Pilot", "Professional", "Edition", "for",  "MetaTrader",
                                 "Four", "with",  "Candle",       "Scout",   "Bands"};
    std::string name;
    for (size_t i = 0; name.size() < length; ++i) {
        if (!name.empty()) name += ' ';
        name += words[i % std::size(words)];
    }
    name.resize(length);
    if (name.back() == ' ') name.back() = 'X';
    return name;
}

class LongNamesWine : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = winetest::ScratchFolder("long names");
        terminal_ = winetest::WindowsFolder("programfiles") + "\\MetaTrader Long Names";
        winetest::RemoveInstalledProduct({terminal_});
        winetest::LayOutTerminal(terminal_);
    }

    void TearDown() override { winetest::RemoveInstalledProduct({terminal_}); }

    // A setup of a product called `name`: the built-in icon and banner, no text pages, one
    // expert. Returns its host path.
    std::string BuildSetup(const std::string& name) {
        CSelfExtractor writer;
        for (const char* file :
             {"project.ico", "banner.jpg", "License.rtf", "Readme.rtf", "What's New.rtf"}) {
            winetest::WriteHostFile(folder_ + "/" + file, "");
            EXPECT_TRUE(writer.AddFile(text::FromUtf8(folder_ + "/" + file), u"", u"", u"", u"",
                                       u"", u"", u""));
        }
        winetest::WriteHostFile(folder_ + "/Pilot.ex4", "the expert's bytes");
        EXPECT_TRUE(writer.AddFile(text::FromUtf8(folder_ + "/Pilot.ex4"),
                                   u"{metatrader}\\experts\\", u"", u"", u"", u"", u"", u""));
        writer.SetProjectInfo(text::FromUtf8(name), u"Long Names", u"Long Names", u"129",
                              text::FromUtf8(kVersion), u"Scout Labs", u"",
                              u"https://scout.example/", u"Ann Author", u"ann@scout.example");
        const std::string stub =
            winetest::ReadHostFile(winetest::WinProgram("installer/win/extractor.exe"));
        const std::string setup = folder_ + "/setup" + std::to_string(name.size()) + ".exe";
        EXPECT_EQ(writer.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()),
                                     text::FromUtf8(setup), nullptr, 0),
                  SFX_OK);
        return setup;
    }

    std::string folder_, terminal_;
};

TEST_F(LongNamesWine, LongProductNamesFitStepsOneFourAndFive) {
    std::map<size_t, int> welcomeHeight, explanationHeight;
    for (size_t length : {size_t(63), size_t(259)}) {
        SCOPED_TRACE("a product name of " + std::to_string(length) + " characters");
        const std::string name = ProductName(length);
        const std::string shot = "setup-name-" + std::to_string(length) + "-step";
        winetest::Process setup(BuildSetup(name));

        // Step 1: the welcome text, then the publisher, contact and e-mail lines, the buttons.
        DriverResult first = Drive({"window Step 1", "waitenabled 1", "text 1016", "rect 1013",
                                    "rect 1016", "rect 1019", "rect 1018", "rect 1020", "rect 1"});
        ASSERT_TRUE(first.ok()) << first.error;
        ASSERT_EQ(first.lines.size(), 7u);
        EXPECT_EQ(first.lines[0], "You are about to install " + name + " Version: " + kVersion);
        std::vector<Box> boxes;
        for (size_t i = 1; i < first.lines.size(); ++i) boxes.push_back(ParseBox(first.lines[i]));
        ExpectStacked({"sub-heading", "welcome text", "publisher", "contact", "e-mail", "Next"},
                      boxes);
        welcomeHeight[length] = boxes[1].Height();
        winetest::Screenshot(shot + "1");

        // Step 4 (the empty texts skip steps 2 and 3): the explanation above the folder list,
        // the list above its button.
        DriverResult fourth =
            Drive({"window Step 1", "click 1", "waitclosed", "window Step 4", "text 1015",
                   "rect 1015", "rect 1031", "rect 1026", "rect 1", "items 1031"});
        ASSERT_TRUE(fourth.ok()) << fourth.error;
        ASSERT_GE(fourth.lines.size(), 5u);
        EXPECT_NE(fourth.lines[0].find(" install " + name + ". This wizard"), std::string::npos)
            << fourth.lines[0];
        boxes.clear();
        for (size_t i = 1; i < 5; ++i) boxes.push_back(ParseBox(fourth.lines[i]));
        ExpectStacked({"explanation", "folder list", "Add MetaTrader Folder", "Next"}, boxes);
        explanationHeight[length] = boxes[0].Height();
        winetest::Screenshot(shot + "4");

        // Step 5: the explanation above the summary, which names the product whole.
        const winetest::TerminalTicks ticks = winetest::TicksFor(
            std::vector<std::string>(fourth.lines.begin() + 5, fourth.lines.end()), {terminal_});
        std::vector<std::string> toFifth = {"window Step 4"};
        toFifth.insert(toFifth.end(), ticks.commands.begin(), ticks.commands.end());
        for (const char* command : {"waitenabled 1", "click 1", "waitclosed", "window Step 5",
                                    "text 1023", "rect 1015", "rect 1023", "rect 1"}) {
            toFifth.push_back(command);
        }
        DriverResult fifth = Drive(toFifth);
        ASSERT_TRUE(fifth.ok()) << fifth.error;
        ASSERT_EQ(fifth.lines.size(), 4u);
        EXPECT_NE(fifth.lines[0].find("\t" + name + " v" + kVersion), std::string::npos)
            << fifth.lines[0];
        boxes.clear();
        for (size_t i = 1; i < 4; ++i) boxes.push_back(ParseBox(fifth.lines[i]));
        ExpectStacked({"explanation", "summary", "Next"}, boxes);
        winetest::Screenshot(shot + "5");

        DriverResult cancelled = Drive({"window Step 5", "click 2", "waitclosed"});
        EXPECT_TRUE(cancelled.ok()) << cancelled.error;
        EXPECT_FALSE(setup.Wait(30000).timedOut);
    }
    // The longer name needs more lines, and its texts got them.
    EXPECT_GT(welcomeHeight[259], welcomeHeight[63]);
    EXPECT_GT(explanationHeight[259], explanationHeight[63]);
}

}  // namespace
