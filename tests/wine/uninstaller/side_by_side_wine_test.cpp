// Two products of one author on one machine, under Wine: "Alpha Bands" and then "Beta Bands",
// each with its own product folder and expert file, both in the author's one Start Menu group
// and one terminal. Alpha's uninstaller, through its pages, removes Alpha and nothing of Beta,
// though the shared registry entry describes Beta; Beta's, without windows, then removes Beta.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;
using winetest::Drive;
using winetest::DriverResult;
using winetest::HostPath;
using winetest::WriteHostFile;

constexpr int kNoWindowTimeoutMs = 60000;

class SideBySideWine : public ::testing::Test {
  protected:
    void SetUp() override {
        programFiles_ = winetest::WindowsFolder("programfiles");
        group_ = winetest::WindowsFolder("commonprograms") + "\\Bands Inc";
        terminal_ = programFiles_ + "\\MT4 Side By Side";
        scratch_ = winetest::ScratchFolder("side-by-side");
        CleanUp();
        winetest::LayOutTerminal(terminal_);
    }

    void TearDown() override { CleanUp(); }

    void CleanUp() {
        winetest::RemoveInstalledProduct(
            {Folder("Alpha Bands"), Folder("Beta Bands"), group_, terminal_});
    }

    std::string Folder(const std::string& product) const { return programFiles_ + "\\" + product; }

    // Builds `product`'s setup and installs it into the terminal without windows.
    void Install(const std::string& product) {
        const std::string expert = product.substr(0, product.find(' ')) + ".ex4";
        WriteHostFile(scratch_ + "/" + expert, "bytes of " + expert);
        WriteHostFile(scratch_ + "/Manual.txt", "manual of " + product);
        const std::string p = expert + ".eas";
        const std::string setup = scratch_ + "/" + expert + "-setup.exe";
        winetest::RunTessarkSteps(
            {
                {"new", p},
                {"set", p, "productName", product},
                {"set", p, "productDirectory", product},
                {"set", p, "startMenuGroup", "Bands Inc"},
                {"add", p, "experts", expert},
                {"add", p, "other", "Manual.txt"},
                {"entry", p, "Manual.txt", "--shortcut", product + " Manual"},
                {"build", p, "-o", setup},
            },
            scratch_);
        const winetest::ProcessResult run = winetest::Run(setup, {"/S", "/MT4=" + terminal_},
                                                          winetest::RunOptions{kNoWindowTimeoutMs});
        ASSERT_EQ(run.exitCode, 0) << product << ": " << run.err;
    }

    bool Installed(const std::string& product) const {
        const std::string expert = product.substr(0, product.find(' ')) + ".ex4";
        return fs::exists(HostPath(terminal_ + "\\experts\\" + expert)) &&
               fs::exists(HostPath(Folder(product) + "\\Manual.txt")) &&
               fs::exists(HostPath(group_ + "\\" + product + " Manual.lnk"));
    }

    bool Gone(const std::string& product) const {
        const std::string expert = product.substr(0, product.find(' ')) + ".ex4";
        return !fs::exists(HostPath(terminal_ + "\\experts\\" + expert)) &&
               !fs::exists(HostPath(Folder(product) + "\\Manual.txt")) &&
               !fs::exists(HostPath(group_ + "\\" + product + " Manual.lnk"));
    }

    std::string programFiles_, group_, terminal_, scratch_;
};

TEST_F(SideBySideWine, EachUninstallerRemovesItsOwnProductOnly) {
    ASSERT_NO_FATAL_FAILURE(Install("Alpha Bands"));
    ASSERT_NO_FATAL_FAILURE(Install("Beta Bands"));
    ASSERT_TRUE(Installed("Alpha Bands"));
    ASSERT_TRUE(Installed("Beta Bands"));
    // One group, one Uninstall shortcut for each product.
    EXPECT_TRUE(fs::exists(HostPath(group_ + "\\Uninstall.lnk")));
    EXPECT_TRUE(fs::exists(HostPath(group_ + "\\Uninstall Beta Bands.lnk")));

    // Alpha's uninstaller through its pages: the welcome page names Alpha, though the entry
    // is Beta's.
    winetest::Process alpha(Folder("Alpha Bands") + "\\Uninstall.exe");
    const DriverResult welcome =
        Drive({"window Uninstall", "text 1004", "waitenabled 1", "click 1", "waitclosed",
               "window Uninstall", "waittext 1004 Please click the next button.", "waitenabled 1",
               "click 1", "waitclosed", "window Uninstall", "click 2", "waitclosed"});
    ASSERT_TRUE(welcome.ok()) << welcome.error;
    EXPECT_EQ(welcome.lines, std::vector<std::string>{"You are about to uninstall Alpha Bands "
                                                      "Version: 1.0.0.0"});
    EXPECT_EQ(alpha.Wait(20000).exitCode, 0);
    EXPECT_TRUE(Gone("Alpha Bands"));
    EXPECT_TRUE(Installed("Beta Bands")) << "Beta is untouched";
    EXPECT_TRUE(fs::exists(HostPath(group_ + "\\Uninstall Beta Bands.lnk")));
    EXPECT_FALSE(fs::exists(HostPath(group_ + "\\Uninstall.lnk")));
    const auto entry = winetest::RegValues(winetest::ProductEntryKey());
    ASSERT_TRUE(entry.has_value()) << "the entry is Beta's and stays";
    EXPECT_EQ(entry->at("ProductName").data, "Beta Bands");

    // Beta's uninstaller without windows, then each a second time: nothing left, still 0.
    for (const std::string& product : {"Beta Bands", "Beta Bands", "Alpha Bands"}) {
        const winetest::ProcessResult run = winetest::Run(
            Folder(product) + "\\Uninstall.exe", {"/S"}, winetest::RunOptions{kNoWindowTimeoutMs});
        EXPECT_EQ(run.exitCode, 0) << product << ": " << run.err;
    }
    EXPECT_TRUE(Gone("Beta Bands"));
    EXPECT_FALSE(fs::exists(HostPath(group_)));
    EXPECT_FALSE(winetest::RegValues(winetest::ProductEntryKey()).has_value());
    EXPECT_TRUE(fs::exists(HostPath(terminal_ + "\\terminal.exe")));
}

}  // namespace
