// Today's MetaTrader 4 terminals under Wine: one setup installs through the wizard into a
// classic terminal, a current terminal whose data folder lies in the Wine user's
// AppData\Roaming, and a portable one, all three below Program Files; every file lands where
// that terminal looks; the uninstaller takes them away again. Then the same without windows,
// the terminals given by either of their folders.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;
using winetest::HostPath;
using winetest::ReadHostFile;
using winetest::WriteHostFile;

constexpr int kNoWindowTimeoutMs = 60000;
const char kInstanceId[] = "3C5A1F0E9B7D46A2B8C4D0E6F1A2B3C4";

// A settings file the terminal already has: bytes that are neither 0 nor 1.
std::string UsersSettings() {
    return std::string(300, '\x5A');
}

// "origin.txt" as the terminal writes it: UTF-16LE with a byte-order mark and a line end.
std::string Origin(const std::string& windowsFolder) {
    std::string bytes("\xFF\xFE", 2);
    for (char c : windowsFolder + "\r\n") bytes += {c, '\0'};
    return bytes;
}

class CurrentTerminalsWine : public ::testing::Test {
  protected:
    void SetUp() override {
        programFiles_ = winetest::WindowsFolder("programfiles");
        classic_ = programFiles_ + "\\Layout Classic MT4";
        current_ = programFiles_ + "\\Layout MetaTrader 4";
        portable_ = programFiles_ + "\\Layout Portable MT4";
        data_ = winetest::WindowsFolder("profile") + "\\AppData\\Roaming\\MetaQuotes\\Terminal\\" +
                kInstanceId;
        product_ = programFiles_ + "\\Layout Scout";
        group_ = winetest::WindowsFolder("commonprograms") + "\\Layout Scout";
        scratch_ = winetest::ScratchFolder("current-terminals");
        CleanUp();

        winetest::LayOutTerminal(classic_);
        for (const std::string& install : {current_, portable_}) {
            winetest::CopyMarkerProgram(HostPath(install + "\\terminal.exe"));
            WriteHostFile(HostPath(install + "\\metaeditor.exe"), "MZ");
            for (const char* folder : {"\\config", "\\Sounds", "\\MQL4\\Experts"}) {
                fs::create_directories(HostPath(install + folder));
            }
        }
        for (const char* folder : {"\\MQL4\\Experts", "\\MQL4\\Indicators", "\\MQL4\\Scripts",
                                   "\\MQL4\\Libraries", "\\MQL4\\Include", "\\MQL4\\Files",
                                   "\\config", "\\templates", "\\profiles", "\\logs"}) {
            fs::create_directories(HostPath(data_ + folder));
        }
        WriteHostFile(HostPath(data_ + "\\origin.txt"), Origin(current_));
        WriteHostFile(HostPath(data_ + "\\config\\experts.ini"), UsersSettings());
        WriteHostFile(HostPath(portable_ + "\\config\\experts.ini"), UsersSettings());
    }

    void TearDown() override { CleanUp(); }

    void CleanUp() {
        winetest::RemoveInstalledProduct({product_, group_, classic_, current_, portable_, data_});
    }

    // Expert, indicator, sound and library; every expert option left as it is but live
    // trading, which is switched on.
    std::string BuildSetup() {
        for (const char* file : {"Scout.ex4", "Bands.ex4", "alert.wav", "math.dll"}) {
            WriteHostFile(scratch_ + "/" + file, std::string("bytes of ") + file);
        }
        const std::string p = "layout.eas";
        std::vector<std::vector<std::string>> steps = {{"new", p}};
        for (const char* option : {"enableExperts", "disableOnAccountChange",
                                   "disableOnProfileChange", "askManualConfirmation",
                                   "allowDllImports", "confirmDllCalls", "allowExternalImports"}) {
            steps.push_back({"set", p, option, "2"});
        }
        winetest::RunTessarkSteps(steps, scratch_);
        winetest::RunTessarkSteps(
            {
                {"set", p, "productName", "Layout Scout"},
                {"set", p, "productDirectory", "Layout Scout"},
                {"set", p, "startMenuGroup", "Layout Scout"},
                {"set", p, "allowLiveTrading", "1"},
                {"add", p, "experts", "Scout.ex4"},
                {"add", p, "indicators", "Bands.ex4"},
                {"add", p, "sounds", "alert.wav"},
                {"add", p, "dlls", "math.dll"},
                {"build", p, "-o", "LayoutSetup.exe"},
            },
            scratch_);
        return scratch_ + "/LayoutSetup.exe";
    }

    // Where each terminal looks for the product's files.
    std::vector<std::string> FilesIn(const std::string& terminal) const {
        if (terminal == classic_) {
            return {classic_ + "\\experts\\Scout.ex4",
                    classic_ + "\\experts\\indicators\\Bands.ex4", classic_ + "\\sounds\\alert.wav",
                    classic_ + "\\experts\\libraries\\math.dll"};
        }
        const std::string data = terminal == current_ ? data_ : portable_;
        return {data + "\\MQL4\\Experts\\Scout.ex4", data + "\\MQL4\\Indicators\\Bands.ex4",
                terminal + "\\Sounds\\alert.wav", data + "\\MQL4\\Libraries\\math.dll"};
    }

    void ExpectInstalled(const std::string& terminal) const {
        for (const std::string& file : FilesIn(terminal)) {
            const std::string name = file.substr(file.rfind('\\') + 1);
            EXPECT_EQ(ReadHostFile(HostPath(file)), "bytes of " + name) << file;
        }
    }

    void ExpectGone(const std::string& terminal) const {
        for (const std::string& file : FilesIn(terminal)) {
            EXPECT_FALSE(fs::exists(HostPath(file))) << file;
        }
    }

    winetest::ProcessResult RunQuietly(const std::string& program,
                                       const std::vector<std::string>& args) {
        winetest::ProcessResult result =
            winetest::Run(program, args, winetest::RunOptions{kNoWindowTimeoutMs});
        EXPECT_FALSE(result.timedOut) << program << " waited: it must have shown a window";
        return result;
    }

    std::string programFiles_, classic_, current_, portable_, data_, product_, group_, scratch_;
};

TEST_F(CurrentTerminalsWine, TheWizardInstallsIntoEveryLayoutAndTheUninstallerRemovesIt) {
    const std::string setup = BuildSetup();
    {
        winetest::Process wizard(setup);
        ASSERT_NO_FATAL_FAILURE(winetest::InstallThroughWizard(
            wizard, {classic_, current_, portable_}, "current-terminals-step4"));
    }
    for (const std::string& terminal : {classic_, current_, portable_}) ExpectInstalled(terminal);
    for (const std::string& folder : {current_, data_, portable_}) {
        EXPECT_FALSE(fs::exists(HostPath(folder + "\\experts"))) << "old layout in " << folder;
    }
    // Live trading (offset 36) on where a settings file exists; none is made in a data folder
    // that has none, and a classic terminal gets its new one as before.
    std::string patched = UsersSettings();
    patched[36] = 1;
    EXPECT_EQ(ReadHostFile(HostPath(data_ + "\\config\\experts.ini")), patched);
    EXPECT_EQ(ReadHostFile(HostPath(portable_ + "\\config\\experts.ini")), patched);
    EXPECT_EQ(ReadHostFile(HostPath(classic_ + "\\config\\experts.ini")).size(), 292u);

    const winetest::ProcessResult removed = RunQuietly(product_ + "\\Uninstall.exe", {"/S"});
    EXPECT_EQ(removed.exitCode, 0) << removed.err;
    for (const std::string& terminal : {classic_, current_, portable_}) ExpectGone(terminal);
    EXPECT_TRUE(fs::exists(HostPath(data_ + "\\MQL4\\Experts")))
        << "the terminal's own folders stay";
}

TEST_F(CurrentTerminalsWine, UnattendedTakesEitherFolderOfACurrentTerminal) {
    const std::string setup = BuildSetup();
    // The data folder stands for the current terminal; /RUN starts the first one given, a
    // portable terminal as portable.
    const std::string marker = HostPath(portable_ + "\\terminal.exe") + ".started";
    winetest::ProcessResult run =
        RunQuietly(setup, {"/S", "/MT4=" + portable_, "/MT4=" + data_, "/RUN"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectInstalled(portable_);
    ExpectInstalled(current_);
    ExpectGone(classic_);
    ASSERT_TRUE(winetest::WaitForHostFile(marker, 20000)) << "the portable terminal started";
    EXPECT_EQ(ReadHostFile(marker), "/portable");

    // The installation folder of the current terminal is as good as its data folder; a folder
    // that is neither is refused with status 4 and nothing changes.
    const winetest::ProcessResult removed = RunQuietly(product_ + "\\Uninstall.exe", {"/S"});
    EXPECT_EQ(removed.exitCode, 0) << removed.err;
    ExpectGone(current_);
    run = RunQuietly(setup, {"/S", "/MT4=" + current_});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectInstalled(current_);
    run = RunQuietly(setup, {"/S", "/MT4=" + current_ + "\\MQL4"});
    EXPECT_EQ(run.exitCode, 4);
}

// Every folder and file below a Windows folder, and each file's bytes.
std::map<std::string, std::string> Snapshot(const std::string& windowsFolder) {
    const std::string root = HostPath(windowsFolder);
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = entry.path().string().substr(root.size());
        found[relative] =
            entry.is_regular_file() ? ReadHostFile(entry.path().string()) : "(folder)";
    }
    return found;
}

TEST_F(CurrentTerminalsWine, TheIndicatorPackLeavesEveryTerminalAsItWasFound) {
    // The sample pack: thirty-two indicators and an include tree three folders deep.
    const std::string source = winetest::CurrentSession().sourceDir + "/examples/indicator-pack";
    fs::copy(source, scratch_ + "/pack", fs::copy_options::recursive);
    winetest::RunTessarkSteps({{"build", "pack/pack.toml", "-o", "PackSetup.exe"}}, scratch_);
    const std::string setup = scratch_ + "/PackSetup.exe";

    std::map<std::string, std::map<std::string, std::string>> before;
    for (const std::string& folder : {classic_, current_, data_}) before[folder] = Snapshot(folder);

    const winetest::ProcessResult run =
        RunQuietly(setup, {"/S", "/MT4=" + classic_, "/MT4=" + data_});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const std::string& file :
         {classic_ + "\\experts\\indicators\\PackSimpleClose8.mq4",
          classic_ + "\\experts\\include\\TessarkPack\\Math\\Stats\\Moments.mqh",
          data_ + "\\MQL4\\Indicators\\PackWeightedWeighted21.mq4",
          data_ + "\\MQL4\\Include\\TessarkPack\\Math\\Stats\\Moments.mqh"}) {
        EXPECT_TRUE(fs::exists(HostPath(file))) << file;
    }

    const winetest::ProcessResult removed =
        RunQuietly(programFiles_ + "\\Tessark Indicator Pack\\Uninstall.exe", {"/S"});
    EXPECT_EQ(removed.exitCode, 0) << removed.err;
    for (const std::string& folder : {classic_, current_, data_}) {
        std::map<std::string, std::string> after = Snapshot(folder);
        // The expert settings file keeps what the installation set, as intended.
        after.erase("/config/experts.ini");
        before[folder].erase("/config/experts.ini");
        EXPECT_EQ(after, before[folder]) << folder;
    }
    winetest::RemoveInstalledProduct(
        {programFiles_ + "\\Tessark Indicator Pack",
         winetest::WindowsFolder("commonprograms") + "\\Tessark Samples"});
}

}  // namespace
