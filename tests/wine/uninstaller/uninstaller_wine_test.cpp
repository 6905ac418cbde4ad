// Uninstall.exe under Wine, against a product laid out the way an installation leaves it: two
// terminals with the product's files, the product folder with "Install.log", a Start Menu
// group and the registry entry.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/text.h"
#include "package/install_log.h"
#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;
using winetest::Drive;
using winetest::DriverResult;
using winetest::HostPath;
using winetest::WriteHostFile;

const char kProductDir[] = "Tessark Uninstall Test";
const char kMenuGroup[] = "Tessark Uninstall Test Group";

// What the product's own files hold.
const char kProductBytes[] = "product bytes";

class UninstallerWine : public ::testing::Test {
  protected:
    void SetUp() override {
        programFiles_ = winetest::WindowsFolder("programfiles");
        programs_ = winetest::WindowsFolder("commonprograms");
        product_ = programFiles_ + "\\" + kProductDir;
        group_ = programs_ + "\\" + kMenuGroup;
        terminals_ = {programFiles_ + "\\MT4 Uninstall One", programFiles_ + "\\MT4 Uninstall Two"};
        RemoveProduct();

        for (const std::string& terminal : terminals_) {
            WriteHostFile(HostPath(terminal + "\\terminal.exe"), "the terminal's own");
            WriteHostFile(HostPath(terminal + "\\config\\experts.ini"), "the terminal's own");
            WriteHostFile(HostPath(terminal + "\\experts\\Own.ex4"), "the terminal's own");
            for (const char* file : {"\\experts\\Robot.ex4", "\\experts\\indicators\\Signal.ex4"}) {
                WriteHostFile(HostPath(terminal + file), kProductBytes);
                listed_.push_back(terminal + file);
            }
        }
        // Installed, but marked never to be uninstalled: not in the list.
        WriteHostFile(HostPath(terminals_[1] + "\\experts\\libraries\\Keep.dll"), kProductBytes);
        // Listed, but deleted by the user since.
        listed_.push_back(terminals_[1] + "\\experts\\Gone.ex4");

        fs::create_directories(HostPath(product_));
        fs::copy_file(winetest::WinProgram("uninstaller/win/Uninstall.exe"),
                      HostPath(product_ + "\\Uninstall.exe"));
        WriteHostFile(HostPath(product_ + "\\License.rtf"), kProductBytes);
        listed_.push_back(product_ + "\\License.rtf");
        WriteHostFile(HostPath(product_ + "\\data\\cache\\state.dat"), "made by the product");
        WriteHostFile(HostPath(group_ + "\\ReadMe.lnk"), kProductBytes);
        listed_.push_back(group_ + "\\ReadMe.lnk");
        WriteHostFile(HostPath(group_ + "\\Uninstall.lnk"), kProductBytes);

        package::InstallLog log;
        for (const std::string& path : listed_) ASSERT_TRUE(log.Add(text::FromUtf8(path)));
        const std::vector<uint8_t> image = log.Bytes();
        WriteHostFile(HostPath(product_ + "\\Install.log"),
                      std::string(image.begin(), image.end()));

        Register({{"DisplayName", "Tessark"},
                  {"UninstallString", product_ + "\\Uninstall.exe"},
                  {"TessarkVersion", "129"},
                  {"ProductName", "Acme Robot"},
                  {"ProductDir", kProductDir},
                  {"MenuGroup", kMenuGroup},
                  {"Version", "2.1.0.7"},
                  {"ContactName", "Jane Doe"},
                  {"Publisher", "Acme Trading Tools"},
                  {"Email", "jane@acme.example"},
                  {"ProductURL", "https://acme.example/robot"}});
    }

    void TearDown() override { RemoveProduct(); }

    void Register(const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& [name, data] : values) {
            ASSERT_EQ(winetest::Run(
                          "reg", {"add", winetest::ProductEntryKey(), "/v", name, "/d", data, "/f"})
                          .exitCode,
                      0)
                << name;
        }
    }

    void RemoveProduct() {
        winetest::RemoveInstalledProduct({product_, group_, terminals_[0], terminals_[1]});
    }

    std::string Uninstaller() const { return product_ + "\\Uninstall.exe"; }

    std::vector<std::string> RemovalLines(const std::vector<std::string>& files) const {
        std::vector<std::string> lines;
        for (const std::string& file : files) lines.push_back("Delete file " + file + "...");
        lines.push_back("Remove folder " + product_ + "...");
        lines.push_back("Remove folder " + group_ + "...");
        lines.push_back("Unregistering uninstaller...");
        lines.push_back("Done.");
        return lines;
    }

    void ExpectTerminalsUntouched() const {
        for (const std::string& terminal : terminals_) {
            for (const char* own :
                 {"\\terminal.exe", "\\config\\experts.ini", "\\experts\\Own.ex4"}) {
                EXPECT_TRUE(fs::exists(HostPath(terminal + own))) << terminal + own;
            }
        }
        EXPECT_TRUE(fs::exists(HostPath(terminals_[1] + "\\experts\\libraries\\Keep.dll")));
    }

    std::string programFiles_, programs_, product_, group_;
    std::vector<std::string> terminals_;
    std::vector<std::string> listed_;
};

TEST_F(UninstallerWine, RemovesTheProductThroughItsThreePages) {
    winetest::Process uninstaller(Uninstaller());

    DriverResult welcome = Drive({"window Uninstall", "title", "text 1002", "text 1004",
                                  "text 1010", "text 1011", "text 1012", "waitenabled 1"});
    ASSERT_TRUE(welcome.ok()) << welcome.error;
    EXPECT_EQ(welcome.lines,
              (std::vector<std::string>{"Uninstall", "Welcome to Tessark",
                                        "You are about to uninstall Acme Robot Version: 2.1.0.7",
                                        "Acme Trading Tools", "Jane Doe", "jane@acme.example"}));
    winetest::Screenshot("uninstaller-welcome");

    DriverResult progress = Drive({"window Uninstall", "click 1", "waitclosed", "window Uninstall",
                                   "text 1002", "waittext 1004 Please click the next button.",
                                   "waitenabled 1", "items 1007", "enabled 1008", "enabled 2"});
    ASSERT_TRUE(progress.ok()) << progress.error;
    std::vector<std::string> expected = {"Uninstallation in Progress"};
    for (const std::string& line : RemovalLines(listed_)) expected.push_back(line);
    expected.insert(expected.end(), {"1", "1"});
    EXPECT_EQ(progress.lines, expected);
    winetest::Screenshot("uninstaller-progress");

    for (const std::string& file : listed_) EXPECT_FALSE(fs::exists(HostPath(file))) << file;
    EXPECT_EQ(winetest::FolderNames(HostPath(product_)), std::vector<std::string>{"Uninstall.exe"});
    EXPECT_FALSE(fs::exists(HostPath(group_)));
    EXPECT_TRUE(fs::exists(HostPath(programs_)));
    EXPECT_FALSE(winetest::RegValues(winetest::ProductEntryKey()).has_value());
    ExpectTerminalsUntouched();

    DriverResult complete = Drive({"window Uninstall", "click 1", "waitclosed", "window Uninstall",
                                   "text 1002", "text 1014"});
    ASSERT_TRUE(complete.ok()) << complete.error;
    EXPECT_EQ(complete.lines,
              (std::vector<std::string>{
                  "Uninstallation Complete",
                  "The wizard has successfully uninstalled Acme Robot from your computer. You can "
                  "re-install this product anytime using product setup file. Thank you for using "
                  "our product.Click Finish to continue."}));
    winetest::Screenshot("uninstaller-complete");

    // Prev leads back to the welcome page, which still knows the product; the removal that
    // Next runs again finds nothing left.
    DriverResult again =
        Drive({"window Uninstall", "click 1008", "waitclosed", "window Uninstall", "text 1004",
               "waitenabled 1", "click 1", "waitclosed", "window Uninstall",
               "waittext 1004 Please click the next button.", "items 1007", "click 1", "waitclosed",
               "window Uninstall", "click 2", "waitclosed"});
    ASSERT_TRUE(again.ok()) << again.error;
    expected = {"You are about to uninstall Acme Robot Version: 2.1.0.7"};
    for (const std::string& line : RemovalLines({})) expected.push_back(line);
    EXPECT_EQ(again.lines, expected);
    EXPECT_EQ(winetest::FolderNames(HostPath(product_)), std::vector<std::string>{"Uninstall.exe"});

    winetest::ProcessResult exit = uninstaller.Wait(20000);
    EXPECT_FALSE(exit.timedOut);
    EXPECT_EQ(exit.exitCode, 0);
}

TEST_F(UninstallerWine, NextWaitsWhileATerminalRuns) {
    winetest::Process terminal(winetest::WinProgram("tests/wine/uninstaller/terminal.exe"));
    winetest::Process uninstaller(Uninstaller());

    DriverResult held = Drive({"window Uninstall", "sleep 1500", "enabled 1"});
    ASSERT_TRUE(held.ok()) << held.error;
    EXPECT_EQ(held.lines, std::vector<std::string>{"0"});
    winetest::Screenshot("uninstaller-welcome-terminal-running");

    terminal.Kill();
    DriverResult freed = Drive({"window Uninstall", "waitenabled 1", "click 2", "waitclosed"});
    ASSERT_TRUE(freed.ok()) << freed.error;
    EXPECT_EQ(uninstaller.Wait(20000).exitCode, 0);
    // Cancel on the welcome page removes nothing.
    for (const std::string& file : listed_) {
        if (file.find("Gone.ex4") == std::string::npos) {
            EXPECT_TRUE(fs::exists(HostPath(file))) << file;
        }
    }
    EXPECT_TRUE(winetest::RegValues(winetest::ProductEntryKey()).has_value());
}

TEST_F(UninstallerWine, ADamagedEntryIsRefusedWithoutRemovingAnything) {
    Register({{"ProductDir", "..\\MT4 Uninstall Two"}});
    winetest::Process uninstaller(Uninstaller());

    // The first window of a program just started: a loaded machine may take longer than the
    // driver's usual wait.
    DriverResult refused = Drive({"timeout 30000", "msgbox Uninstall"});
    ASSERT_TRUE(refused.ok()) << refused.error;
    ASSERT_EQ(refused.lines.size(), 1u);
    EXPECT_NE(refused.lines[0].find("missing or damaged"), std::string::npos) << refused.lines[0];
    winetest::Screenshot("uninstaller-damaged-entry");

    DriverResult closed = Drive({"msgbox Uninstall", "click 1", "waitclosed"});
    ASSERT_TRUE(closed.ok()) << closed.error;
    EXPECT_EQ(uninstaller.Wait(20000).exitCode, 1);

    DriverResult noPage = Drive({"timeout 1500", "window Uninstall"});
    EXPECT_EQ(noPage.exitCode, 1) << "no page may follow the message";
    for (const std::string& file : listed_) {
        if (file.find("Gone.ex4") == std::string::npos) {
            EXPECT_TRUE(fs::exists(HostPath(file))) << file;
        }
    }
    EXPECT_TRUE(fs::exists(HostPath(product_ + "\\data\\cache\\state.dat")));
    EXPECT_TRUE(fs::exists(HostPath(group_ + "\\Uninstall.lnk")));
    EXPECT_TRUE(winetest::RegValues(winetest::ProductEntryKey()).has_value());
}

}  // namespace
