// The installer under Wine: a setup built by the tessark command from a project that uses every
// file category and every Other Files option, walked page by page to Finish by the UI driver,
// and everything it left on the machine checked from Linux. Then the ways a user can stray: a
// declined license, a product without a readme, a setup without a package, a running terminal.

#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "base/text.h"
#include "package/install_log.h"
#include "tests/wine/harness/wine_harness.h"
#include "tests/wine/installer/pe_resources.h"
#include "tests/wine/installer/shell_link.h"

namespace {

namespace fs = std::filesystem;
using winetest::Drive;
using winetest::DriverResult;
using winetest::HostPath;
using winetest::ReadHostFile;
using winetest::WaitForHostFile;
using winetest::WriteHostFile;

const char kExtractor[] = "installer/win/extractor.exe";
const char kNoDataMessage[] = "Archive contins no data. Extraction cannot continue.";

// The bytes of a zlib stream of at most 1 MiB, or "(not a zlib stream)".
std::string Uncompressed(const std::string& stream) {
    std::string plain(1 << 20, '\0');
    uLongf size = static_cast<uLongf>(plain.size());
    if (uncompress(reinterpret_cast<Bytef*>(&plain[0]), &size,
                   reinterpret_cast<const Bytef*>(stream.data()),
                   static_cast<uLong>(stream.size())) != Z_OK) {
        return "(not a zlib stream)";
    }
    plain.resize(size);
    return plain;
}

std::string WithoutTrailingBackslash(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// A settings file the user's terminal already has: bytes that are neither 0 nor 1.
std::string UsersSettings() {
    std::string bytes(300, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(0xA0 + i % 50);
    return bytes;
}

// The project's options: enableExperts 1, disableOnAccountChange 0, disableOnProfileChange 2,
// allowLiveTrading 1, askManualConfirmation 0, allowDllImports 1, confirmDllCalls 2,
// allowExternalImports 0; at their offsets in the file.
std::string WithProjectOptions(std::string bytes) {
    for (auto [offset, value] : {std::pair{4, 1}, {8, 0}, {20, 1}, {28, 0}, {36, 1}, {40, 0}}) {
        bytes[offset] = static_cast<char>(value);
    }
    return bytes;
}

std::string DefaultSettings() {
    std::string bytes(292, '\0');
    bytes[0] = '\x90';
    bytes[1] = '\x01';
    for (int offset : {4, 8, 12, 20, 24, 28}) bytes[offset] = 1;
    return bytes;
}

class InstallerWine : public ::testing::Test {
  protected:
    void SetUp() override {
        programFiles_ = winetest::WindowsFolder("programfiles");
        product_ = programFiles_ + "\\Candle Scout";
        group_ = winetest::WindowsFolder("commonprograms") + "\\Candle Scout Tools";
        startup_ = winetest::WindowsFolder("startup");
        documents_ = winetest::WindowsFolder("documents") + "\\Candle Scout";
        temp_ = WithoutTrailingBackslash(winetest::WindowsFolder("temp"));
        profile_ = winetest::WindowsFolder("profile");
        boot_ = "C:\\CandleScout";
        terminals_ = {programFiles_ + "\\MetaTrader Scout A",
                      programFiles_ + "\\MetaTrader Scout B"};
        // An entry left by an earlier run would hide a value that is not written.
        winetest::RemoveInstalledProduct({product_, group_, documents_, boot_, terminals_[0],
                                          terminals_[1], VirtualConfig(terminals_[0]),
                                          startup_ + "\\Guide.txt.lnk"});
        for (const std::string& terminal : terminals_) winetest::LayOutTerminal(terminal);
        WriteHostFile(HostPath(terminals_[0] + "\\config\\experts.ini"), UsersSettings());
        // File virtualisation's copy of terminal A's config folder, without a settings file.
        fs::create_directories(HostPath(VirtualConfig(terminals_[0])));
    }

    std::string VirtualConfig(const std::string& terminal) const {
        return profile_ + "\\AppData\\Local\\VirtualStore" + terminal.substr(2) + "\\config";
    }

    // The product's project, built into a setup; returns the setup's host path.
    std::string BuildSetup(const std::string& name, bool withReadme,
                           const std::string& publisher = "Scout Labs") {
        project_ = winetest::ScratchFolder(name);
        const std::string source = winetest::CurrentSession().sourceDir;
        fs::copy_file(source + "/artwork/builder.ico", project_ + "/product.ico");
        const auto rtf = [](const std::string& body) {
            return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + body + "\\par}";
        };
        WriteHostFile(project_ + "/License.rtf",
                      rtf("Candle Scout license: use it on every chart."));
        WriteHostFile(project_ + "/ReadMe.rtf",
                      rtf("Read me: tick the terminals to install into."));
        WriteHostFile(project_ + "/WhatsNew.rtf", rtf("New in 2.1: candle colours."));
        for (const char* file : {"Scout.ex4", "ScoutBands.ex4", "ScoutClose.ex4", "scout-alert.wav",
                                 "scoutmath.dll", "Guide.txt", "boot.cfg"}) {
            WriteHostFile(project_ + "/" + file, std::string("bytes of ") + file);
        }
        winetest::CopyMarkerProgram(project_ + "/setup_helper.exe");

        const std::string p = "scout.eas";
        winetest::RunTessarkSteps(
            {
                {"new", p},
                {"set", p, "productName", "Candle Scout"},
                {"set", p, "productDirectory", "Candle Scout"},
                {"set", p, "startMenuGroup", "Candle Scout Tools"},
                {"set", p, "version", "2.1.0.7"},
                {"set", p, "publisher", publisher},
                {"set", p, "productUrl", "https://scout.example.com/"},
                {"set", p, "contactName", "Ann Author"},
                {"set", p, "contactEmail", "ann@scout.example.com"},
                {"set", p, "enableExperts", "1"},
                {"set", p, "disableOnAccountChange", "0"},
                {"set", p, "disableOnProfileChange", "2"},
                {"set", p, "allowLiveTrading", "1"},
                {"set", p, "askManualConfirmation", "0"},
                {"set", p, "allowDllImports", "1"},
                {"set", p, "confirmDllCalls", "2"},
                {"set", p, "allowExternalImports", "0"},
                {"set", p, "iconPath", "product.ico"},
                {"set", p, "licenseRtf", "License.rtf"},
                {"set", p, "readmeRtf", withReadme ? "ReadMe.rtf" : ""},
                {"set", p, "whatsNewRtf", "WhatsNew.rtf"},
                {"add", p, "experts", "Scout.ex4"},
                {"add", p, "indicators", "ScoutBands.ex4"},
                {"add", p, "scripts", "ScoutClose.ex4"},
                {"add", p, "sounds", "scout-alert.wav"},
                {"add", p, "dlls", "scoutmath.dll"},
                {"add", p, "other", "setup_helper.exe", "Guide.txt", "boot.cfg"},
                {"entry", p, "setup_helper.exe", "--destination", "{app}", "--shortcut",
                 "Scout Helper", "--parameters", "--first run", "--post-execute", "yes"},
                {"entry", p, "Guide.txt", "--destination", "{mydocuments}\\Candle Scout",
                 "--autostart", "yes"},
                {"entry", p, "boot.cfg", "--destination", "{bootdir}\\CandleScout",
                 "--never-uninstall", "yes"},
                {"build", p, "-o", "CandleScoutSetup.exe", "--stub", BrandingStub()},
            },
            project_);
        return project_ + "/CandleScoutSetup.exe";
    }

    // The installer's icon and banner bitmap are the uninstaller's own artwork, so branding
    // could not be seen. The setup starts with a copy of the installer whose first icon image
    // and bitmap 140 are changed in place (a few bytes of pixels and palette inverted: still
    // valid pictures); the uninstaller must come out with exactly those.
    std::string BrandingStub() {
        std::string image = ReadHostFile(winetest::WinProgram(kExtractor));
        const auto spans = installertest::NumberedResourceSpans(image);
        for (const installertest::ResourceKey& key :
             {installertest::ResourceKey{3, 1, 1033}, installertest::ResourceKey{2, 140, 1033}}) {
            const auto found = spans.find(key);
            if (found == spans.end() || found->second.size < 56) {
                ADD_FAILURE() << "the installer lacks resource " << std::get<0>(key) << "/"
                              << std::get<1>(key);
                continue;
            }
            for (size_t i = 40; i < 56; ++i) image[found->second.offset + i] ^= '\xFF';
        }
        stub_ = project_ + "/branded-stub.exe";
        WriteHostFile(stub_, image);
        return stub_;
    }

    // Walks from step 3 (license accepted) over the folder page, ticking our two terminals in
    // list order, to the summary. Returns them in that order.
    std::vector<std::string> TickTerminals() {
        DriverResult rows = Drive({"window Step 4", "items 1031"});
        EXPECT_TRUE(rows.ok()) << rows.error;
        const winetest::TerminalTicks ticks = winetest::TicksFor(rows.lines, terminals_);
        EXPECT_EQ(ticks.terminals.size(), 2u) << "discovery found our terminals";
        std::vector<std::string> commands = {"window Step 4"};
        commands.insert(commands.end(), ticks.commands.begin(), ticks.commands.end());
        DriverResult ticked = Drive(commands);
        EXPECT_TRUE(ticked.ok()) << ticked.error;
        return ticks.terminals;
    }

    void ExpectInstalledFiles(const std::vector<std::string>& chosen);
    void ExpectInstallLog(const std::vector<std::string>& chosen);
    void ExpectShortcuts();
    void ExpectBrandedUninstaller();
    void ExpectRegistryEntry();
    void ExpectExpertSettings();

    std::string programFiles_, product_, group_, startup_, documents_, temp_, profile_, boot_;
    std::vector<std::string> terminals_;
    std::string project_;
    std::string stub_;
};

void InstallerWine::ExpectInstalledFiles(const std::vector<std::string>& chosen) {
    for (const std::string& terminal : chosen) {
        for (const char* file : {"\\experts\\Scout.ex4", "\\experts\\indicators\\ScoutBands.ex4",
                                 "\\experts\\scripts\\ScoutClose.ex4", "\\sounds\\scout-alert.wav",
                                 "\\experts\\libraries\\scoutmath.dll"}) {
            const std::string path = file;
            EXPECT_EQ(ReadHostFile(HostPath(terminal + path)),
                      "bytes of " + path.substr(path.rfind('\\') + 1))
                << terminal << path;
        }
    }
    EXPECT_EQ(ReadHostFile(HostPath(product_ + "\\setup_helper.exe")),
              ReadHostFile(winetest::MarkerProgram()));
    // The texts with a destination land in the product folder, as the package holds them.
    for (const char* text : {"\\License.rtf", "\\Readme.rtf", "\\What's New.rtf"}) {
        const std::string installed = ReadHostFile(HostPath(product_ + text));
        EXPECT_FALSE(installed.empty()) << text;
        EXPECT_EQ(installed, ReadHostFile(HostPath(temp_ + text))) << text;
    }
    EXPECT_EQ(ReadHostFile(HostPath(documents_ + "\\Guide.txt")), "bytes of Guide.txt");
    EXPECT_EQ(ReadHostFile(HostPath(boot_ + "\\boot.cfg")), "bytes of boot.cfg");
    EXPECT_EQ(ReadHostFile(HostPath(temp_ + "\\product.ico")),
              ReadHostFile(project_ + "/product.ico"));
}

void InstallerWine::ExpectInstallLog(const std::vector<std::string>& chosen) {
    const std::string bytes = ReadHostFile(HostPath(product_ + "\\Install.log"));
    ASSERT_GT(bytes.size(), 52004u);
    const package::InstallLog log = package::InstallLog::FromBytes(
        reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    std::vector<std::string> entries;
    for (const std::u16string& entry : log.Entries()) entries.push_back(text::ToUtf8(entry));
    // The last record first; a terminal file is listed once for every chosen terminal, in
    // the order they were chosen; a never-uninstall file only to be kept; the scratch copies in
    // the temporary folder not at all.
    std::vector<std::string> expected = {
        documents_ + "\\Guide.txt",
        startup_ + "\\Guide.txt.lnk",
        product_ + "\\setup_helper.exe",
        group_ + "\\Scout Helper.lnk",
    };
    // Sounds go to the terminal's own sounds folder, where it plays them.
    for (const char* file : {"\\experts\\libraries\\scoutmath.dll", "\\sounds\\scout-alert.wav",
                             "\\experts\\scripts\\ScoutClose.ex4",
                             "\\experts\\indicators\\ScoutBands.ex4", "\\experts\\Scout.ex4"}) {
        for (const std::string& terminal : chosen) expected.push_back(terminal + file);
    }
    const std::vector<std::string> rest = {
        product_ + "\\What's New.rtf",
        product_ + "\\Readme.rtf",
        group_ + "\\ReadMe.lnk",
        product_ + "\\License.rtf",
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(log.Paths(package::LogEntryKind::Keep).size(), 1u);
    // Unused slots and the rest of each used slot are zero.
    const std::vector<uint8_t> image = log.Bytes();
    EXPECT_EQ(bytes, std::string(image.begin(), image.end()));
}

void InstallerWine::ExpectShortcuts() {
    struct Expected {
        std::string link, target, arguments, description;
    };
    for (const Expected& e : std::vector<Expected>{
             {group_ + "\\Scout Helper.lnk", product_ + "\\setup_helper.exe", "--first run",
              "setup_helper.exe"},
             {group_ + "\\ReadMe.lnk", product_ + "\\Readme.rtf", "", "Readme.rtf"},
             {group_ + "\\Uninstall.lnk", product_ + "\\Uninstall.exe", "", "Uninstaller"},
             {startup_ + "\\Guide.txt.lnk", documents_ + "\\Guide.txt", "", "Guide.txt"},
         }) {
        const std::string bytes = ReadHostFile(HostPath(e.link));
        ASSERT_FALSE(bytes.empty()) << e.link;
        const installertest::ShellLink link = installertest::ParseShellLink(bytes);
        EXPECT_TRUE(text::EqualsNoCase(text::FromUtf8(link.target), text::FromUtf8(e.target)))
            << e.link << " points at " << link.target;
        EXPECT_EQ(link.arguments, e.arguments) << e.link;
        EXPECT_EQ(link.description, e.description) << e.link;
    }
}

void InstallerWine::ExpectBrandedUninstaller() {
    using installertest::NumberedResources;
    const auto installer = NumberedResources(ReadHostFile(stub_));
    const auto carried =
        NumberedResources(ReadHostFile(winetest::WinProgram("uninstaller/win/Uninstall.exe")));
    const auto uninstaller =
        NumberedResources(ReadHostFile(HostPath(product_ + "\\Uninstall.exe")));
    constexpr uint32_t kIcon = 3, kBitmap = 2, kBannerType = 235, kEnglish = 1033;
    uint32_t bitmapId = 0;
    const std::string icon = installertest::LowestResource(installer, kIcon);
    const std::string bitmap = installertest::LowestResource(installer, kBitmap, &bitmapId);
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(bitmapId, 140u);
    ASSERT_NE(carried.at({kIcon, 1, kEnglish}), icon) << "the branding stub differs";
    ASSERT_NE(carried.at({kBitmap, 140, kEnglish}), bitmap) << "the branding stub differs";
    const auto at = [&uninstaller, kEnglish](uint32_t type, uint32_t id) {
        auto found = uninstaller.find({type, id, kEnglish});
        return found == uninstaller.end() ? std::string("(missing)") : found->second;
    };
    EXPECT_TRUE(at(kIcon, 1) == icon) << "icon image 1 is the installer's first";
    EXPECT_TRUE(at(kBitmap, 140) == bitmap) << "bitmap 140 is the installer's banner";
    const std::string banner =
        ReadHostFile(winetest::CurrentSession().sourceDir + "/artwork/setup-banner.jpg");
    EXPECT_TRUE(at(kBannerType, 135) == banner) << "the package's banner picture";
    // Everything else the installation wrote is the uninstaller's own.
    for (const auto& [key, bytes] : carried) {
        const auto [type, id, language] = key;
        if ((type == kIcon && id == 1) || (type == kBitmap && id == 140) ||
            (type == kBannerType && id == 135)) {
            continue;
        }
        const auto written = uninstaller.find(key);
        EXPECT_TRUE(written != uninstaller.end() && written->second == bytes)
            << "resource " << type << "/" << id << "/" << language;
    }
    EXPECT_EQ(ReadHostFile(HostPath(temp_ + "\\banner.jpg")), banner);
}

void InstallerWine::ExpectRegistryEntry() {
    const auto stored = winetest::StoredRegValues(winetest::kProductEntry);
    ASSERT_TRUE(stored.has_value());
    // The eleven values the uninstaller reads, REG_SZ, stored without a terminating zero. The
    // entry holds the Add/Remove Programs values beside them (tests/wine/unattended).
    using winetest::Utf16LeHex;
    const std::map<std::string, std::string> expected = {
        {"DisplayName", Utf16LeHex("Tessark")},
        {"UninstallString", Utf16LeHex(product_ + "\\Uninstall.exe")},
        {"TessarkVersion", Utf16LeHex("129")},
        {"ProductName", Utf16LeHex("Candle Scout")},
        {"ProductDir", Utf16LeHex("Candle Scout")},
        {"MenuGroup", Utf16LeHex("Candle Scout Tools")},
        {"Version", Utf16LeHex("2.1.0.7")},
        {"ContactName", Utf16LeHex("Ann Author")},
        {"Publisher", Utf16LeHex("Scout Labs")},
        {"Email", Utf16LeHex("ann@scout.example.com")},
        {"ProductURL", Utf16LeHex("https://scout.example.com/")},
    };
    std::map<std::string, std::string> eleven;
    for (const auto& [name, data] : expected) {
        const bool present = stored->count(name) == 1;
        EXPECT_EQ(present ? stored->at(name).type : "", "1") << "REG_SZ: " << name;
        if (present) eleven[name] = stored->at(name).hex;
    }
    EXPECT_EQ(eleven, expected);
}

void InstallerWine::ExpectExpertSettings() {
    EXPECT_TRUE(ReadHostFile(HostPath(terminals_[0] + "\\config\\experts.ini")) ==
                WithProjectOptions(UsersSettings()))
        << "the user's own file keeps every byte but the options";
    EXPECT_TRUE(ReadHostFile(HostPath(terminals_[1] + "\\config\\experts.ini")) ==
                WithProjectOptions(DefaultSettings()))
        << "a terminal without settings gets the default record";
    EXPECT_TRUE(ReadHostFile(HostPath(VirtualConfig(terminals_[0]) + "\\experts.ini")) ==
                WithProjectOptions(DefaultSettings()))
        << "the virtual config folder gets a settings file too";
    EXPECT_FALSE(fs::exists(HostPath(VirtualConfig(terminals_[1]))))
        << "virtual folders are never made";
}

TEST_F(InstallerWine, WalksEveryPageToFinishAndInstallsEverything) {
    const std::string setup = BuildSetup("installer-walk", true);
    winetest::Process installer(setup);

    DriverResult welcome =
        Drive({"window Step 1", "waitenabled 1", "title", "text 1014", "text 1016", "text 1019",
               "text 1018", "text 1020", "text 1034", "sleep 300"});
    ASSERT_TRUE(welcome.ok()) << welcome.error;
    EXPECT_EQ(welcome.lines,
              std::vector<std::string>(
                  {"Tessark | Candle Scout 2.1.0.7 Installer | https://scout.example.com/ | Step 1",
                   "Welcome to Tessark", "You are about to install Candle Scout Version: 2.1.0.7",
                   "Scout Labs", "Ann Author", "ann@scout.example.com", "www.tessark.com"}));
    winetest::Screenshot("installer-step1");

    DriverResult readme =
        Drive({"window Step 1", "click 1", "window Step 2", "text 1014", "text 1032", "sleep 300"});
    ASSERT_TRUE(readme.ok()) << readme.error;
    EXPECT_EQ(readme.lines, std::vector<std::string>(
                                {"Information", "Read me: tick the terminals to install into."}));
    winetest::Screenshot("installer-step2");

    // Declining keeps Next disabled, and Enter does not get past it either.
    DriverResult license =
        Drive({"window Step 2", "click 1", "window Step 3", "text 1032", "enabled 1", "click 1025",
               "enabled 1", "click 1024", "enabled 1", "click 1025", "enabled 1", "key ENTER",
               "sleep 500", "title", "click 1024", "sleep 300"});
    ASSERT_TRUE(license.ok()) << license.error;
    ASSERT_EQ(license.lines.size(), 6u);
    EXPECT_EQ(license.lines[0], "Candle Scout license: use it on every chart.");
    EXPECT_EQ(std::vector<std::string>(license.lines.begin() + 1, license.lines.begin() + 5),
              std::vector<std::string>({"0", "0", "1", "0"}));
    EXPECT_NE(license.lines[5].find("Step 3"), std::string::npos) << license.lines[5];
    winetest::Screenshot("installer-step3");

    DriverResult folders =
        Drive({"window Step 3", "click 1", "window Step 4", "text 1026", "enabled 1"});
    ASSERT_TRUE(folders.ok()) << folders.error;
    EXPECT_EQ(folders.lines, std::vector<std::string>({"Add MetaTrader Folder", "0"}));
    const std::vector<std::string> chosen = TickTerminals();
    ASSERT_EQ(chosen.size(), 2u);
    DriverResult ticks = Drive({"window Step 4", "enabled 1", "sleep 300"});
    EXPECT_EQ(ticks.lines, std::vector<std::string>({"1"}));
    winetest::Screenshot("installer-step4");

    DriverResult summary =
        Drive({"window Step 4", "click 1", "window Step 5", "text 1023", "sleep 300"});
    ASSERT_TRUE(summary.ok()) << summary.error;
    EXPECT_EQ(summary.lines,
              std::vector<std::string>({"Product to Install:\r\n\tCandle Scout v2.1.0.7\r\n\r\n"
                                        "Taget Folder(s)\r\n\r\t" +
                                        chosen[0] + "\r\n\r\t" + chosen[1] +
                                        "\r\n\r\nProgram Folder\r\n\t" + product_ + "\r\n"}));
    winetest::Screenshot("installer-step5");

    const std::vector<std::string> log = {
        "Copying boot.cfg...\r\n",         "Copying Guide.txt...\r\n",
        "Copying setup_helper.exe...\r\n", "Creating shortcut Scout Helper...\r\n",
        "Copying scoutmath.dll...\r\n",    "Copying scout-alert.wav...\r\n",
        "Copying ScoutClose.ex4...\r\n",   "Copying ScoutBands.ex4...\r\n",
        "Copying Scout.ex4...\r\n",        "Copying What's New.rtf...\r\n",
        "Copying Readme.rtf...\r\n",       "Creating shortcut ReadMe...\r\n",
        "Copying License.rtf...\r\n",      "Copying banner.jpg...\r\n",
        "Copying product.ico...\r\n",      "Creating uninstaller...\r\n",
        "Registering uninstaller...\r\n",  "Done.",
    };
    DriverResult progress =
        Drive({"window Step 5", "click 1", "window Step 6", "waitenabled 1", "text 1015",
               "enabled 2", "enabled 1011", "items 1031", "sleep 300"});
    ASSERT_TRUE(progress.ok()) << progress.error;
    std::vector<std::string> expected = {"Please click the next button.", "1", "0"};
    expected.insert(expected.end(), log.begin(), log.end());
    EXPECT_EQ(progress.lines, expected);
    winetest::Screenshot("installer-step6");

    // Prev from step 7 goes back to the summary, and Next from there installs again: a file
    // removed in between is back afterwards.
    fs::remove(HostPath(chosen[0] + "\\experts\\Scout.ex4"));
    DriverResult news =
        Drive({"window Step 6", "click 1", "window Step 7", "text 1032", "enabled 2", "sleep 300"});
    ASSERT_TRUE(news.ok()) << news.error;
    EXPECT_EQ(news.lines, std::vector<std::string>({"New in 2.1: candle colours.", "0"}));
    winetest::Screenshot("installer-step7");
    DriverResult again = Drive({"window Step 7", "click 1011", "window Step 5", "click 1",
                                "window Step 6", "waitenabled 1", "items 1031"});
    ASSERT_TRUE(again.ok()) << again.error;
    EXPECT_EQ(again.lines, log);
    EXPECT_EQ(ReadHostFile(HostPath(chosen[0] + "\\experts\\Scout.ex4")), "bytes of Scout.ex4");

    DriverResult finish = Drive({"window Step 6", "click 1", "window Step 7", "click 1",
                                 "window Step 8", "text 1013", "items 1029", "selected 1029",
                                 "checked 1028", "enabled 1", "enabled 1011", "sleep 300"});
    ASSERT_TRUE(finish.ok()) << finish.error;
    EXPECT_EQ(finish.lines,
              std::vector<std::string>(
                  {"The wizard has finished installing Candle Scout to your computer. You can now "
                   "launch Metatrader application to see Candle Scout 2.1.0.7 in action. Should "
                   "you have any trouble contact ann@scout.example.com. Enjoy it",
                   terminals_[0], terminals_[1], "0", "1", "0", "0"}));
    winetest::Screenshot("installer-step8");
    DriverResult done = Drive({"window Step 8", "click 2", "waitclosed"});
    ASSERT_TRUE(done.ok()) << done.error;
    EXPECT_EQ(installer.Wait(30000).exitCode, 0);

    // Finish started the first terminal of the list and the post-execute program.
    ASSERT_TRUE(WaitForHostFile(HostPath(product_ + "\\setup_helper.exe.started")));
    EXPECT_EQ(ReadHostFile(HostPath(product_ + "\\setup_helper.exe.started")), "--first run");
    ASSERT_TRUE(WaitForHostFile(HostPath(terminals_[0] + "\\terminal.exe.started")));
    EXPECT_FALSE(fs::exists(HostPath(terminals_[1] + "\\terminal.exe.started")));

    ExpectInstalledFiles(chosen);
    ExpectInstallLog(chosen);
    ExpectShortcuts();
    ExpectBrandedUninstaller();
    ExpectRegistryEntry();
    ExpectExpertSettings();
}

TEST_F(InstallerWine, UntickedTerminalBoxStartsOnlyThePostExecuteProgram) {
    const std::string setup = BuildSetup("installer-untick", true);
    winetest::Process installer(setup);
    ASSERT_TRUE(Drive({"window Step 1", "waitenabled 1", "click 1", "window Step 2", "click 1",
                       "window Step 3", "click 1024", "click 1", "window Step 4"})
                    .ok());
    ASSERT_EQ(TickTerminals().size(), 2u);
    DriverResult run =
        Drive({"window Step 4", "click 1", "window Step 5", "click 1", "window Step 6",
               "waitenabled 1", "click 1", "window Step 7", "click 1", "window Step 8",
               "click 1028", "checked 1028", "click 2", "waitclosed"});
    ASSERT_TRUE(run.ok()) << run.error;
    EXPECT_EQ(run.lines, std::vector<std::string>({"0"}));
    EXPECT_EQ(installer.Wait(30000).exitCode, 0);
    ASSERT_TRUE(WaitForHostFile(HostPath(product_ + "\\setup_helper.exe.started")));
    std::this_thread::sleep_for(std::chrono::seconds(2));
    for (const std::string& terminal : terminals_) {
        EXPECT_FALSE(fs::exists(HostPath(terminal + "\\terminal.exe.started"))) << terminal;
    }
}

// Also: a publisher link without a publisher name shows the address it opens.
TEST_F(InstallerWine, AnEmptyReadmeIsSkippedInBothDirections) {
    const std::string setup = BuildSetup("installer-no-readme", false, "");
    winetest::Process installer(setup);
    DriverResult run =
        Drive({"window Step 1", "waitenabled 1", "text 1019", "click 1", "window Step 3", "title",
               "click 1011", "window Step 1", "title", "click 2", "waitclosed"});
    ASSERT_TRUE(run.ok()) << run.error;
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[0], "https://scout.example.com/");
    EXPECT_NE(run.lines[1].find("| Step 3"), std::string::npos) << run.lines[1];
    EXPECT_NE(run.lines[2].find("| Step 1"), std::string::npos) << run.lines[2];
    EXPECT_EQ(installer.Wait(30000).exitCode, 0);
}

TEST_F(InstallerWine, AnInstallerWithoutPackageSaysSoOnStepSix) {
    winetest::Process installer(winetest::WinProgram(kExtractor));
    // Without a package the three text pages skip themselves.
    ASSERT_TRUE(Drive({"window Step 1", "waitenabled 1", "click 1", "window Step 4"}).ok());
    ASSERT_EQ(TickTerminals().size(), 2u);
    DriverResult run =
        Drive({"window Step 4", "click 1", "window Step 5", "click 1", "msgbox", "sleep 300"});
    ASSERT_TRUE(run.ok()) << run.error;
    EXPECT_EQ(run.lines, std::vector<std::string>({kNoDataMessage}));
    winetest::Screenshot("installer-no-package");
    DriverResult after = Drive({"msgbox", "click 1", "waitclosed", "window Step 6", "waitenabled 2",
                                "enabled 1", "enabled 1011", "click 2", "waitclosed"});
    ASSERT_TRUE(after.ok()) << after.error;
    EXPECT_EQ(after.lines, std::vector<std::string>({kNoDataMessage, "0", "0"}));
    EXPECT_EQ(installer.Wait(30000).exitCode, 0);
    for (const std::string& terminal : terminals_) {
        EXPECT_FALSE(fs::exists(HostPath(terminal + "\\experts\\Scout.ex4")));
    }
}

TEST_F(InstallerWine, ARunningTerminalKeepsNextDisabled) {
    const std::string folder = winetest::ScratchFolder("installer-running-terminal");
    winetest::CopyMarkerProgram(folder + "/terminal.exe");
    winetest::Process terminal(folder + "/terminal.exe", {"--stay"});
    ASSERT_TRUE(WaitForHostFile(folder + "/terminal.exe.started"));

    winetest::Process installer(winetest::WinProgram(kExtractor));
    DriverResult running = Drive({"window Step 1", "waitdisabled 1", "sleep 1200", "enabled 1"});
    ASSERT_TRUE(running.ok()) << running.error;
    EXPECT_EQ(running.lines, std::vector<std::string>({"0"}));

    terminal.Kill();
    DriverResult closed = Drive({"window Step 1", "waitenabled 1", "click 2", "waitclosed"});
    ASSERT_TRUE(closed.ok()) << closed.error;
    EXPECT_EQ(installer.Wait(30000).exitCode, 0);
}

TEST(InstallerProgram, ImportsOnlySystemDlls) {
    const std::string program = winetest::WinProgram(kExtractor);
    EXPECT_FALSE(winetest::ImportedDlls(program).empty());
    EXPECT_EQ(winetest::NonSystemImports(program), std::vector<std::string>());
}

TEST(InstallerProgram, CarriesTheUninstallerItsManifestAndVersion) {
    const auto resources =
        installertest::NumberedResources(ReadHostFile(winetest::WinProgram(kExtractor)));
    const auto find = [&resources](uint32_t type, uint32_t id) {
        auto found = resources.find({type, id, 1033});
        return found == resources.end() ? std::string() : found->second;
    };
    const std::string carried = find(256, 142);
    EXPECT_LT(carried.size(), 32u * 1024) << "Uninstall.exe travels compressed";
    EXPECT_TRUE(Uncompressed(carried) ==
                ReadHostFile(winetest::WinProgram("uninstaller/win/Uninstall.exe")))
        << "resource 256/142 inflates to Uninstall.exe byte for byte";
    EXPECT_NE(find(24, 1).find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(find(24, 1).find("Microsoft.Windows.Common-Controls"), std::string::npos);
    const std::string version = find(16, 1);
    for (const char* text : {"ProductName", "Tessark", "1.2.9"}) {
        EXPECT_NE(version.find(winetest::Utf16LeBytes(text)), std::string::npos) << text;
    }
    EXPECT_FALSE(find(14, 128).empty()) << "icon 128";
    EXPECT_FALSE(find(2, 140).empty()) << "bitmap 140";
}

}  // namespace
