// Install, then uninstall: a setup built by the tessark command from a product with files for
// the terminals, the product folder and the Start Menu, installed into two terminals through
// the installer's pages, then removed again through the uninstaller's, and the machine checked
// from Linux after each.

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
using winetest::ReadHostFile;
using winetest::WriteHostFile;

const char kProductDir[] = "Acme Robot Round Trip";
const char kMenuGroup[] = "Acme Robot Round Trip Group";

class UninstallRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        programFiles_ = winetest::WindowsFolder("programfiles");
        product_ = programFiles_ + "\\" + kProductDir;
        group_ = winetest::WindowsFolder("commonprograms") + "\\" + kMenuGroup;
        terminals_ = {programFiles_ + "\\MT4 Round Trip One",
                      programFiles_ + "\\MT4 Round Trip Two"};
        RemoveAll();
        for (const std::string& terminal : terminals_) {
            for (const char* own : {"\\terminal.exe", "\\config\\experts.ini", "\\experts\\Own.ex4",
                                    "\\sounds\\own.wav"}) {
                WriteHostFile(HostPath(terminal + own), std::string("the terminal's own ") + own);
            }
        }
    }

    void TearDown() override { RemoveAll(); }

    void RemoveAll() {
        winetest::RemoveInstalledProduct({product_, group_, terminals_[0], terminals_[1]});
    }

    // The product's project and setup, made with the tessark command in a scratch folder.
    std::string BuildSetup() {
        const std::string folder = winetest::ScratchFolder("uninstall-round-trip");
        for (const char* file :
             {"Robot.ex4", "Signal.ex4", "alert.wav", "Manual.txt", "Helper.dat", "Keep.dll"}) {
            WriteHostFile(folder + "/" + file, std::string("product file ") + file);
        }
        const std::string project = folder + "/robot.eas";
        winetest::RunTessarkSteps({
            {"new", project},
            {"set", project, "productName", "Acme Robot"},
            {"set", project, "productDirectory", kProductDir},
            {"set", project, "startMenuGroup", kMenuGroup},
            {"set", project, "version", "2.1.0.7"},
            {"set", project, "publisher", "Acme Trading Tools"},
            {"set", project, "contactName", "Jane Doe"},
            {"set", project, "contactEmail", "jane@acme.example"},
            {"set", project, "productUrl", "https://acme.example/robot"},
            {"add", project, "experts", "Robot.ex4"},
            {"add", project, "indicators", "Signal.ex4"},
            {"add", project, "sounds", "alert.wav"},
            {"add", project, "other", "Manual.txt", "Helper.dat", "Keep.dll"},
            {"entry", project, "Manual.txt", "--shortcut", "Manual"},
            {"entry", project, "Helper.dat", "--destination", "{app}\\data\\"},
            {"entry", project, "Keep.dll", "--destination", "{metatrader}\\experts\\libraries\\",
             "--never-uninstall", "yes"},
            {"build", project, "-o", folder + "/setup.exe"},
        });
        return folder + "/setup.exe";
    }

    std::string programFiles_, product_, group_;
    std::vector<std::string> terminals_;
};

TEST_F(UninstallRoundTrip, InstallsIntoTwoTerminalsAndRemovesItAllAgain) {
    const std::string setup = BuildSetup();
    ASSERT_FALSE(HasFailure());
    {
        winetest::Process installer(setup);
        winetest::InstallThroughWizard(installer, terminals_);
    }
    ASSERT_FALSE(HasFailure());

    // What the installation left.
    const std::vector<std::string> productFiles = {
        "\\experts\\Robot.ex4", "\\experts\\indicators\\Signal.ex4", "\\sounds\\alert.wav"};
    for (const std::string& terminal : terminals_) {
        for (const std::string& file : productFiles) {
            ASSERT_TRUE(fs::exists(HostPath(terminal + file))) << terminal + file;
        }
        ASSERT_TRUE(fs::exists(HostPath(terminal + "\\experts\\libraries\\Keep.dll")));
    }
    ASSERT_TRUE(fs::exists(HostPath(product_ + "\\Uninstall.exe")));
    ASSERT_TRUE(fs::exists(HostPath(product_ + "\\Manual.txt")));
    ASSERT_TRUE(fs::exists(HostPath(product_ + "\\data\\Helper.dat")));
    ASSERT_TRUE(fs::exists(HostPath(group_ + "\\Manual.lnk")));
    ASSERT_TRUE(fs::exists(HostPath(group_ + "\\Uninstall.lnk")));
    ASSERT_TRUE(winetest::RegValues(winetest::ProductEntryKey()).has_value());
    const std::string logBytes = ReadHostFile(HostPath(product_ + "\\Install.log"));
    ASSERT_GT(logBytes.size(), 52004u);
    const package::InstallLog log = package::InstallLog::FromBytes(
        reinterpret_cast<const uint8_t*>(logBytes.data()), logBytes.size());
    std::vector<std::string> listed;
    for (const std::u16string& entry : log.Entries()) listed.push_back(text::ToUtf8(entry));
    ASSERT_FALSE(listed.empty());

    // The uninstaller writes its banner picture out; take away what the installer left.
    const std::string banner = HostPath(winetest::WindowsFolder("temp") + "\\banner.jpg");
    fs::remove(banner);

    winetest::Process uninstaller(product_ + "\\Uninstall.exe");
    DriverResult welcome = Drive({"window Uninstall", "text 1004", "waitenabled 1", "sleep 500"});
    ASSERT_TRUE(welcome.ok()) << welcome.error;
    EXPECT_EQ(welcome.lines,
              std::vector<std::string>{"You are about to uninstall Acme Robot Version: 2.1.0.7"});
    winetest::Screenshot("round-trip-uninstaller-welcome");

    DriverResult progress =
        Drive({"window Uninstall", "click 1", "waitclosed", "window Uninstall",
               "waittext 1004 Please click the next button.", "waitenabled 1", "items 1007"});
    ASSERT_TRUE(progress.ok()) << progress.error;
    ASSERT_FALSE(progress.lines.empty());
    EXPECT_EQ(progress.lines.back(), "Done.");
    EXPECT_EQ(progress.lines.size(), listed.size() + 4);
    winetest::Screenshot("round-trip-uninstaller-progress");

    DriverResult complete =
        Drive({"window Uninstall", "click 1", "waitclosed", "window Uninstall", "text 1002"});
    ASSERT_TRUE(complete.ok()) << complete.error;
    winetest::Screenshot("round-trip-uninstaller-complete");
    DriverResult finish = Drive({"window Uninstall", "click 2", "waitclosed"});
    ASSERT_TRUE(finish.ok()) << finish.error;
    EXPECT_EQ(uninstaller.Wait(20000).exitCode, 0);

    // What the uninstallation left. The list does not name the installer's temporary copies.
    for (const std::string& file : listed) {
        EXPECT_NE(HostPath(file), banner);
        EXPECT_FALSE(fs::exists(HostPath(file))) << file;
    }
    for (const std::string& terminal : terminals_) {
        for (const std::string& file : productFiles) {
            EXPECT_FALSE(fs::exists(HostPath(terminal + file)))
                << terminal + file << " (a copy that \"Install.log\" does not list stays behind)";
        }
        EXPECT_TRUE(fs::exists(HostPath(terminal + "\\experts\\libraries\\Keep.dll")))
            << "a never-uninstall file stays";
        for (const char* own : {"\\terminal.exe", "\\config\\experts.ini", "\\experts\\Own.ex4",
                                "\\sounds\\own.wav"}) {
            EXPECT_TRUE(fs::exists(HostPath(terminal + own))) << terminal + own;
        }
        EXPECT_EQ(ReadHostFile(HostPath(terminal + "\\experts\\Own.ex4")),
                  "the terminal's own \\experts\\Own.ex4");
    }
    // The uninstaller keeps itself and its product's record, for a second run.
    EXPECT_EQ(winetest::FolderNames(HostPath(product_)),
              (std::vector<std::string>{"Uninstall.dat", "Uninstall.exe"}));
    EXPECT_FALSE(fs::exists(HostPath(group_)));
    EXPECT_FALSE(winetest::RegValues(winetest::ProductEntryKey()).has_value());

    // The banner the installer stored in the uninstaller, written back out by it.
    const std::string builtInBanner =
        ReadHostFile(winetest::CurrentSession().sourceDir + "/artwork/setup-banner.jpg");
    ASSERT_FALSE(builtInBanner.empty());
    EXPECT_EQ(ReadHostFile(banner), builtInBanner);
}

}  // namespace
