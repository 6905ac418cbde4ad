// Setups and the uninstaller without windows, under Wine: a setup built by the tessark command
// installed with "/S" into given and into discovered terminals, every refusal with its exit
// status and nothing left on the machine, the uninstaller's "/S", the added Add/Remove
// Programs values, a setup signed with osslsigncode installed both ways, and a damaged setup
// refused before anything is written.
//
// A program that showed any window would wait for a click that never comes: each run without
// windows has a time-out, and a run that reaches it fails its test.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "base/text.h"
#include "package/self_extractor.h"
#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;
using winetest::Drive;
using winetest::DriverResult;
using winetest::HostPath;
using winetest::ReadHostFile;
using winetest::WaitForHostFile;
using winetest::WriteHostFile;

const char kExtractor[] = "installer/win/extractor.exe";
const char kDamagedMessage[] = "This setup file is damaged. Please download it again.";
constexpr int kNoWindowTimeoutMs = 60000;

// The lines of a log file, which must each end with CR LF.
std::vector<std::string> LogLines(const std::string& hostPath) {
    const std::string bytes = ReadHostFile(hostPath);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF in " << hostPath;
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class UnattendedWine : public ::testing::Test {
  protected:
    void SetUp() override {
        programFiles_ = winetest::WindowsFolder("programfiles");
        product_ = programFiles_ + "\\Quiet Scout";
        group_ = winetest::WindowsFolder("commonprograms") + "\\Quiet Scout Tools";
        found_ = {programFiles_ + "\\Quiet MT4 A", programFiles_ + "\\Quiet MT4 B"};
        given_ = {"C:\\Trading Desk\\Quiet MT4 C", "C:\\Trading Desk\\Quiet MT4 D"};
        scratch_ = winetest::ScratchFolder("unattended");
        RemoveProduct();
        for (const std::string& terminal : Terminals()) {
            fs::remove_all(HostPath(terminal));
            winetest::LayOutTerminal(terminal);
        }
    }

    void TearDown() override {
        RestoreParkedTerminals();
        RemoveProduct();
        for (const std::string& terminal : Terminals()) fs::remove_all(HostPath(terminal));
    }

    std::vector<std::string> Terminals() const {
        return {found_[0], found_[1], given_[0], given_[1]};
    }

    void RemoveProduct() { winetest::RemoveInstalledProduct({product_, group_}); }

    // Moves every MetaTrader folder below Program Files (ours and those other tests left) out
    // of the discovery's way until the test ends.
    void ParkTerminals() {
        const fs::path parking = scratch_ + "/parked";
        fs::create_directories(parking);
        for (const auto& entry : fs::directory_iterator(HostPath(programFiles_))) {
            if (entry.is_directory() && fs::exists(entry.path() / "terminal.exe")) {
                const fs::path to = parking / entry.path().filename();
                fs::rename(entry.path(), to);
                parked_.push_back({entry.path(), to});
            }
        }
    }

    void RestoreParkedTerminals() {
        for (const auto& [from, to] : parked_) fs::rename(to, from);
        parked_.clear();
    }

    // The product's setup: an expert, an indicator and a helper program that runs after the
    // installation; no license, readme or what's-new text, so the wizard shows steps 1, 4,
    // 5, 6 and 8. Every project string is set (`wine reg query` cannot print an empty one).
    std::string BuildSetup(const std::string& publisher = "Quiet Labs") {
        WriteHostFile(scratch_ + "/Scout.ex4", "bytes of Scout.ex4");
        WriteHostFile(scratch_ + "/Bands.ex4", "bytes of Bands.ex4");
        winetest::CopyMarkerProgram(scratch_ + "/helper.exe");
        const std::string p = "quiet.eas";
        fs::remove(scratch_ + "/" + p);
        winetest::RunTessarkSteps(
            {
                {"new", p},
                {"set", p, "productName", "Quiet Scout"},
                {"set", p, "productDirectory", "Quiet Scout"},
                {"set", p, "startMenuGroup", "Quiet Scout Tools"},
                {"set", p, "version", "3.0.1.2"},
                {"set", p, "publisher", publisher},
                {"set", p, "productUrl", "https://quiet.example.com/"},
                {"set", p, "contactName", "Quinn Author"},
                {"set", p, "contactEmail", "quinn@quiet.example.com"},
                {"add", p, "experts", "Scout.ex4"},
                {"add", p, "indicators", "Bands.ex4"},
                {"add", p, "other", "helper.exe"},
                {"entry", p, "helper.exe", "--destination", "{app}", "--parameters", "--after",
                 "--post-execute", "yes"},
                {"build", p, "-o", "QuietSetup.exe"},
            },
            scratch_);
        return scratch_ + "/QuietSetup.exe";
    }

    winetest::ProcessResult RunQuietly(const std::string& program,
                                       const std::vector<std::string>& args) {
        winetest::ProcessResult result =
            winetest::Run(program, args, winetest::RunOptions{kNoWindowTimeoutMs});
        EXPECT_FALSE(result.timedOut) << program << " waited: it must have shown a window";
        return result;
    }

    bool HasProductFiles(const std::string& terminal) const {
        return fs::exists(HostPath(terminal + "\\experts\\Scout.ex4")) ||
               fs::exists(HostPath(terminal + "\\experts\\indicators\\Bands.ex4"));
    }

    void ExpectProductIn(const std::string& terminal) const {
        EXPECT_EQ(ReadHostFile(HostPath(terminal + "\\experts\\Scout.ex4")), "bytes of Scout.ex4")
            << terminal;
        EXPECT_EQ(ReadHostFile(HostPath(terminal + "\\experts\\indicators\\Bands.ex4")),
                  "bytes of Bands.ex4")
            << terminal;
        EXPECT_EQ(ReadHostFile(HostPath(terminal + "\\config\\experts.ini")).size(), 292u)
            << terminal;
    }

    // Nothing of the product on the machine: no product folder, no file or settings in any
    // terminal, no registry entry.
    void ExpectNothingInstalled() const {
        EXPECT_FALSE(fs::exists(HostPath(product_))) << product_;
        EXPECT_FALSE(fs::exists(HostPath(group_))) << group_;
        for (const std::string& terminal : Terminals()) {
            if (!fs::exists(HostPath(terminal))) continue;  // parked
            EXPECT_FALSE(HasProductFiles(terminal)) << terminal;
            EXPECT_FALSE(fs::exists(HostPath(terminal + "\\config\\experts.ini"))) << terminal;
            EXPECT_FALSE(fs::exists(HostPath(terminal + "\\terminal.exe.started"))) << terminal;
        }
        EXPECT_FALSE(winetest::RegValues(winetest::ProductEntryKey()).has_value());
    }

    // One flipped byte in the middle of the expert's stream.
    std::string DamagedCopy(const std::string& setup) {
        CSelfExtractor reader;
        EXPECT_EQ(reader.ReadTrailer(text::FromUtf8(setup)), SFX_OK);
        const FileRecord* expert = nullptr;
        for (int32_t i = 0; i < reader.GetFileCount(); ++i) {
            if (reader.GetFileRecord(i)->name == u"Scout.ex4") expert = reader.GetFileRecord(i);
        }
        EXPECT_NE(expert, nullptr);
        std::string bytes = ReadHostFile(setup);
        if (expert != nullptr) {
            bytes[static_cast<size_t>(expert->offset + expert->compressedSize / 2)] ^= 0x08;
        }
        const std::string damaged = scratch_ + "/DamagedSetup.exe";
        WriteHostFile(damaged, bytes);
        return damaged;
    }

    std::string programFiles_, product_, group_, scratch_;
    std::vector<std::string> found_, given_;
    std::vector<std::pair<fs::path, fs::path>> parked_;
};

TEST_F(UnattendedWine, InstallsIntoTwoGivenFoldersWithoutWindowsAndKeepsItsLog) {
    const std::string setup = BuildSetup();
    const std::string log = scratch_ + "/logs/setup.log";
    const winetest::ProcessResult run =
        RunQuietly(setup, {"/S", "/MT4=" + given_[0], "/mt4=" + given_[1] + "\\",
                           "/LOG=" + winetest::WindowsPath(log)});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    for (const std::string& terminal : given_) ExpectProductIn(terminal);
    for (const std::string& terminal : found_) {
        EXPECT_FALSE(HasProductFiles(terminal)) << terminal << " was not asked for";
    }
    EXPECT_EQ(ReadHostFile(HostPath(product_ + "\\helper.exe")),
              ReadHostFile(winetest::MarkerProgram()));
    EXPECT_TRUE(fs::exists(HostPath(product_ + "\\Uninstall.exe")));
    EXPECT_TRUE(fs::exists(HostPath(group_ + "\\Uninstall.lnk")));
    EXPECT_EQ(LogLines(log),
              (std::vector<std::string>{
                  "Copying helper.exe...", "Copying Bands.ex4...", "Copying Scout.ex4...",
                  "Copying What's New.rtf...", "Copying Readme.rtf...", "Copying License.rtf...",
                  "Copying banner.jpg...", "Copying project.ico...", "Creating uninstaller...",
                  "Registering uninstaller...", "Done."}));

    // Nothing is started without /RUN.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_FALSE(fs::exists(HostPath(product_ + "\\helper.exe.started")));
    for (const std::string& terminal : given_) {
        EXPECT_FALSE(fs::exists(HostPath(terminal + "\\terminal.exe.started"))) << terminal;
    }
}

TEST_F(UnattendedWine, TheEntryHasTheAddedValuesAfterTheElevenItHadBefore) {
    const std::string setup = BuildSetup();
    ASSERT_EQ(RunQuietly(setup, {"/S", "/MT4=" + given_[0]}).exitCode, 0);

    const std::string uninstaller = product_ + "\\Uninstall.exe";
    const auto stored = winetest::StoredRegValues(winetest::kProductEntry);
    ASSERT_TRUE(stored.has_value());
    const auto& bytes = *stored;
    const std::map<std::string, std::string> strings = {
        {"DisplayName", "Tessark"},
        {"UninstallString", uninstaller},
        {"ProductName", "Quiet Scout"},
        {"ProductDir", "Quiet Scout"},
        {"MenuGroup", "Quiet Scout Tools"},
        {"Version", "3.0.1.2"},
        {"ContactName", "Quinn Author"},
        {"Publisher", "Quiet Labs"},
        {"Email", "quinn@quiet.example.com"},
        {"ProductURL", "https://quiet.example.com/"},
        {"QuietUninstallString", "\"" + uninstaller + "\" /S"},
        {"DisplayVersion", "3.0.1.2"},
        {"DisplayIcon", uninstaller},
        {"InstallLocation", product_},
    };
    for (const auto& [name, data] : strings) {
        ASSERT_EQ(bytes.count(name), 1u) << name;
        EXPECT_EQ(bytes.at(name).type, "1") << name << " is REG_SZ";
        EXPECT_EQ(bytes.at(name).hex, winetest::Utf16LeHex(data))
            << name << ", without a terminator";
    }
    EXPECT_EQ(bytes.count("TessarkVersion"), 1u);
    EXPECT_EQ(bytes.size(), strings.size() + 1 + 3);

    // `wine reg query` shows the numbers.
    const auto listed = winetest::RegValues(winetest::ProductEntryKey());
    ASSERT_TRUE(listed.has_value());
    for (const char* name : {"NoModify", "NoRepair"}) {
        ASSERT_EQ(listed->count(name), 1u) << name;
        EXPECT_EQ(listed->at(name).type, "REG_DWORD");
        EXPECT_EQ(listed->at(name).data, "0x1");
    }
    ASSERT_EQ(listed->count("EstimatedSize"), 1u);
    EXPECT_EQ(listed->at("EstimatedSize").type, "REG_DWORD");
    // Every packaged file once (one terminal was chosen) and the branded uninstaller.
    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(text::FromUtf8(setup)), SFX_OK);
    uint64_t installed = fs::file_size(HostPath(uninstaller));
    for (int32_t i = 0; i < reader.GetFileCount(); ++i) {
        installed += static_cast<uint64_t>(reader.GetFileRecord(i)->uncompressedSize);
    }
    EXPECT_EQ(std::stoull(listed->at("EstimatedSize").data, nullptr, 16),
              (installed + 1023) / 1024);
}

TEST_F(UnattendedWine, InstallsIntoEveryDiscoveredTerminalWhenNoneIsGiven) {
    const std::string setup = BuildSetup();
    ASSERT_EQ(RunQuietly(setup, {"/S"}).exitCode, 0);
    for (const std::string& terminal : found_) ExpectProductIn(terminal);
    for (const std::string& terminal : given_) {
        EXPECT_FALSE(HasProductFiles(terminal)) << terminal << " lies outside Program Files";
    }
}

TEST_F(UnattendedWine, RunStartsTheFirstTerminalAndThePostExecuteProgram) {
    const std::string setup = BuildSetup();
    ASSERT_EQ(RunQuietly(setup, {"/S", "/RUN", "/MT4=" + given_[1], "/MT4=" + given_[0]}).exitCode,
              0);
    ASSERT_TRUE(WaitForHostFile(HostPath(product_ + "\\helper.exe.started")));
    EXPECT_EQ(ReadHostFile(HostPath(product_ + "\\helper.exe.started")), "--after");
    ASSERT_TRUE(WaitForHostFile(HostPath(given_[1] + "\\terminal.exe.started")));
    EXPECT_FALSE(fs::exists(HostPath(given_[0] + "\\terminal.exe.started")));
}

TEST_F(UnattendedWine, EachRefusalHasItsStatusAndInstallsNothing) {
    const std::string setup = BuildSetup();
    const std::string damaged = DamagedCopy(setup);
    const std::string blockedLog = scratch_ + "/log-is-a-folder";
    fs::create_directories(blockedLog);
    const std::string running = scratch_ + "/running/terminal.exe";
    winetest::CopyMarkerProgram(running);

    const struct {
        const char* what;
        std::string program;
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {"an unknown switch", setup, {"/S", "/QUIET"}, 1},
        {"a relative folder", setup, {"/S", "/MT4=Quiet MT4 C"}, 1},
        {"a folder that is no terminal", setup, {"/S", "/MT4=C:\\Trading Desk"}, 4},
        {"a terminal folder and one that is none",
         setup,
         {"/S", "/MT4=" + given_[0], "/MT4=C:\\Trading Desk\\Nowhere"},
         4},
        {"a setup without package",
         winetest::WinProgram(kExtractor),
         {"/S", "/MT4=" + given_[0]},
         5},
        {"one flipped byte in a stream", damaged, {"/S", "/MT4=" + given_[0]}, 5},
        {"a log that cannot be written",
         setup,
         {"/S", "/MT4=" + given_[0], "/LOG=" + winetest::WindowsPath(blockedLog)},
         6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const winetest::ProcessResult run = RunQuietly(c.program, c.args);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        ExpectNothingInstalled();
    }

    {
        SCOPED_TRACE("a running terminal");
        winetest::Process terminal(running, {"--stay"});
        ASSERT_TRUE(WaitForHostFile(running + ".started"));
        EXPECT_EQ(RunQuietly(setup, {"/S", "/MT4=" + given_[0]}).exitCode, 2);
        terminal.Kill();
        ExpectNothingInstalled();
    }
    {
        SCOPED_TRACE("no terminal to be found");
        ParkTerminals();
        EXPECT_EQ(RunQuietly(setup, {"/S"}).exitCode, 3);
        ExpectNothingInstalled();
        RestoreParkedTerminals();
    }
}

TEST_F(UnattendedWine, AFileThatCannotBeWrittenEndsWithItsStatusAndNoEntry) {
    const std::string setup = BuildSetup();
    // A folder where the helper program is to go.
    fs::create_directories(HostPath(product_ + "\\helper.exe\\inside"));
    const winetest::ProcessResult run = RunQuietly(setup, {"/S", "/RUN", "/MT4=" + given_[0]});
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_FALSE(fs::exists(HostPath(product_ + "\\Uninstall.exe")));
    EXPECT_FALSE(winetest::RegValues(winetest::ProductEntryKey()).has_value());
    EXPECT_FALSE(fs::exists(HostPath(given_[0] + "\\terminal.exe.started")));
}

TEST_F(UnattendedWine, UninstallsWithoutWindowsAndRefusesWithoutAnEntry) {
    const std::string setup = BuildSetup();
    ASSERT_EQ(RunQuietly(setup, {"/S", "/MT4=" + given_[0], "/MT4=" + given_[1]}).exitCode, 0);
    const std::string uninstaller = product_ + "\\Uninstall.exe";
    ASSERT_TRUE(fs::exists(HostPath(uninstaller)));

    EXPECT_EQ(RunQuietly(HostPath(uninstaller), {"/S", "/unknown"}).exitCode, 1);
    {
        const std::string running = scratch_ + "/running/terminal.exe";
        winetest::CopyMarkerProgram(running);
        winetest::Process terminal(running, {"--stay"});
        ASSERT_TRUE(WaitForHostFile(running + ".started"));
        EXPECT_EQ(RunQuietly(HostPath(uninstaller), {"/S"}).exitCode, 2);
        terminal.Kill();
    }
    for (const std::string& terminal : given_) {
        EXPECT_TRUE(HasProductFiles(terminal)) << "nothing removed yet from " << terminal;
    }

    const winetest::ProcessResult removed = RunQuietly(HostPath(uninstaller), {"/s"});
    EXPECT_EQ(removed.exitCode, 0) << removed.err;
    for (const std::string& terminal : given_) {
        EXPECT_FALSE(HasProductFiles(terminal)) << terminal;
        EXPECT_TRUE(fs::exists(HostPath(terminal + "\\terminal.exe")))
            << "the terminal's own stays";
    }
    EXPECT_FALSE(fs::exists(HostPath(product_ + "\\helper.exe")));
    EXPECT_TRUE(fs::exists(HostPath(uninstaller))) << "the uninstaller keeps itself";
    EXPECT_FALSE(fs::exists(HostPath(group_)));
    EXPECT_FALSE(winetest::RegValues(winetest::ProductEntryKey()).has_value());

    // A second run finds its product by the record beside it, and nothing left to remove.
    EXPECT_TRUE(fs::exists(HostPath(product_ + "\\Uninstall.dat")));
    EXPECT_EQ(RunQuietly(HostPath(uninstaller), {"/S"}).exitCode, 0);
    // Without the entry and without that record nothing can be proven to be the product's.
    fs::remove(HostPath(product_ + "\\Uninstall.dat"));
    WriteHostFile(HostPath(product_ + "\\left.txt"), "a file of someone else");
    EXPECT_EQ(RunQuietly(HostPath(uninstaller), {"/S"}).exitCode, 3);
    EXPECT_TRUE(fs::exists(HostPath(product_ + "\\left.txt")));
}

TEST_F(UnattendedWine, ASignedSetupVerifiesAndInstallsBothWays) {
    // The signer pads the file to 8 bytes before its certificate table: make that padding
    // real by giving the setup a length that is no multiple of 8.
    std::string setup = BuildSetup();
    std::string publisher = "Quiet Labs";
    while (fs::file_size(setup) % 8 == 0 && publisher.size() < 14) {
        publisher += "!";
        setup = BuildSetup(publisher);
    }
    ASSERT_NE(fs::file_size(setup) % 8, 0u);

    // A test CA and a code-signing certificate it issued, made for this run.
    const std::string pki = scratch_ + "/pki";
    fs::create_directories(pki);
    WriteHostFile(pki + "/signer.ext", "extendedKeyUsage=codeSigning\nkeyUsage=digitalSignature\n");
    winetest::RunOptions inPki;
    inPki.workDir = pki;
    for (const std::vector<std::string>& step : std::vector<std::vector<std::string>>{
             {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out",
              "ca.pem", "-days", "2", "-subj", "/CN=Tessark Test CA", "-addext",
              "basicConstraints=critical,CA:TRUE", "-addext", "keyUsage=critical,keyCertSign"},
             {"req", "-newkey", "rsa:2048", "-nodes", "-keyout", "signer.key", "-out", "signer.csr",
              "-subj", "/CN=Quiet Labs Test Signer"},
             {"x509", "-req", "-in", "signer.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
              "-CAcreateserial", "-out", "signer.pem", "-days", "2", "-extfile", "signer.ext"},
         }) {
        const winetest::ProcessResult made = winetest::RunNative("openssl", step, inPki);
        ASSERT_EQ(made.exitCode, 0) << "openssl " << step[0] << ": " << made.err;
    }
    const std::string signedSetup = scratch_ + "/SignedSetup.exe";
    fs::remove(signedSetup);
    const winetest::ProcessResult sign = winetest::RunNative(
        "osslsigncode", {"sign", "-certs", pki + "/signer.pem", "-key", pki + "/signer.key", "-n",
                         "Quiet Scout", "-in", setup, "-out", signedSetup});
    ASSERT_EQ(sign.exitCode, 0) << sign.out << sign.err;
    ASSERT_GT(fs::file_size(signedSetup), fs::file_size(setup));

    const winetest::ProcessResult verified = winetest::RunNative(
        "osslsigncode", {"verify", "-CAfile", pki + "/ca.pem", "-in", signedSetup});
    EXPECT_EQ(verified.exitCode, 0) << verified.out << verified.err;
    EXPECT_NE(verified.out.find("Signature verification: ok"), std::string::npos) << verified.out;
    const winetest::ProcessResult sound = winetest::RunTessark({"verify", signedSetup});
    EXPECT_EQ(sound.exitCode, 0) << sound.out << sound.err;

    // Without windows.
    ASSERT_EQ(RunQuietly(signedSetup, {"/S", "/MT4=" + given_[0]}).exitCode, 0);
    ExpectProductIn(given_[0]);
    RemoveProduct();

    // Through the wizard's pages, into the two terminals below Program Files.
    winetest::Process wizard(signedSetup);
    ASSERT_NO_FATAL_FAILURE(winetest::InstallThroughWizard(wizard, found_));
    for (const std::string& terminal : found_) ExpectProductIn(terminal);
}

TEST_F(UnattendedWine, TheWizardRefusesADamagedSetupBeforeWritingAnything) {
    const std::string damaged = DamagedCopy(BuildSetup());
    // The pages' pictures and texts would be the first files written.
    const std::string temp = winetest::WindowsFolder("temp");
    for (const char* entry : {"\\project.ico", "\\banner.jpg", "\\What's New.rtf"}) {
        fs::remove(HostPath(temp + entry));
    }

    winetest::Process wizard(damaged);
    DriverResult shown = Drive({"msgbox", "sleep 300"});
    ASSERT_TRUE(shown.ok()) << shown.error;
    EXPECT_EQ(shown.lines, std::vector<std::string>{kDamagedMessage});
    winetest::Screenshot("unattended-damaged-setup");
    ASSERT_TRUE(Drive({"msgbox", "click 1", "waitclosed"}).ok());
    EXPECT_EQ(wizard.Wait(30000).exitCode, 5);

    ExpectNothingInstalled();
    for (const char* entry : {"\\project.ico", "\\banner.jpg", "\\What's New.rtf"}) {
        EXPECT_FALSE(fs::exists(HostPath(temp + entry))) << entry;
    }
}

TEST_F(UnattendedWine, QuestionMarkShowsTheSwitches) {
    const std::string setup = BuildSetup();
    for (const std::string& program :
         {setup, winetest::WinProgram("uninstaller/win/Uninstall.exe")}) {
        winetest::Process shown(program, {"/?"});
        DriverResult box = Drive({"msgbox", "sleep 300"});
        ASSERT_TRUE(box.ok()) << box.error;
        ASSERT_EQ(box.lines.size(), 1u);
        EXPECT_NE(box.lines[0].find("/S\t"), std::string::npos) << box.lines[0];
        EXPECT_NE(box.lines[0].find("Exit status with /S: 0 "), std::string::npos);
        winetest::Screenshot(program == setup ? "unattended-setup-switches"
                                              : "unattended-uninstall-switches");
        ASSERT_TRUE(Drive({"msgbox", "click 1", "waitclosed"}).ok());
        EXPECT_EQ(shown.Wait(30000).exitCode, 0);
    }
    ExpectNothingInstalled();
}

}  // namespace
