// The package engine on real Windows: the host writer appends a package to the cross-built
// probe, Wine runs it, and the files, shell links and "Install.log" it leaves are checked here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "base/text.h"
#include "package/install_log.h"
#include "package/self_extractor.h"
#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;
using winetest::HostPath;
using winetest::ReadHostFile;
using winetest::WriteHostFile;

const char* const kProbe = "tests/wine/package/package_probe.exe";
const char16_t* const kProduct = u"Tessark Package Probe";

std::string Pattern(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    uint32_t state = seed;
    for (size_t i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = (state >> 29) < 5 ? static_cast<char>('A' + (i / 100) % 26)
                                     : static_cast<char>(state >> 20);
    }
    return bytes;
}

bool IsShellLink(const std::string& bytes) {
    // Header size 0x4C, then the shell link class identifier.
    static const unsigned char header[20] = {0x4C, 0x00, 0x00, 0x00, 0x01, 0x14, 0x02,
                                             0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00,
                                             0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    return bytes.compare(0, 20, reinterpret_cast<const char*>(header), 20) == 0;
}

std::string Win(const std::u16string& path) {
    return text::ToUtf8(path);
}

// The probe's output without the carriage returns the console's text mode adds.
std::string Lines(std::string out) {
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    return out;
}

class PackageWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        scratch_ = winetest::ScratchFolder("package");
        RemoveEarlierInstallation();
        source_ = scratch_ + "/source/";
        for (const char* name :
             {"Readme.rtf", "Expert.ex4", "alert.wav", "tool.exe", "keep.dll", "default.txt"}) {
            contents_[name] = Pattern(3000 + std::string(name).size() * 111, name[0]);
        }
        contents_["big.bin"] = Pattern(3 * 1024 * 1024 + 17, 5);
        for (const auto& [name, bytes] : contents_) WriteHostFile(source_ + name, bytes);
        fs::create_directories(scratch_ + "/MT A");
        fs::create_directories(scratch_ + "/MT B");
        setup_ = scratch_ + "/setup.exe";
        BuildSetup();
    }

    void TearDown() override { RemoveEarlierInstallation(); }

    void BuildSetup() {
        CSelfExtractor writer;
        const auto add = [&](const char* name, const std::u16string& destination,
                             const std::u16string& shortcut, const std::u16string& parameters,
                             const std::u16string& neverUninstall,
                             const std::u16string& autostart) {
            ASSERT_TRUE(writer.AddFile(text::FromUtf8(source_ + name), destination, shortcut,
                                       parameters, u"", neverUninstall, autostart, u""));
        };
        add("Readme.rtf", u"{app}\\", u"ReadMe", u"", u"", u"");
        add("Expert.ex4", u"{metatrader}\\experts\\", u"", u"", u"", u"");
        add("alert.wav", u"{metatrader}\\sounds\\", u"", u"", u"", u"");
        add("tool.exe", u"{app}\\bin\\", u"", u"/start", u"", u"Yes");
        add("keep.dll", u"{app}\\", u"Keep", u"", u"Yes", u"");
        add("default.txt", u"", u"", u"", u"", u"");
        add("big.bin", u"{app}\\data\\", u"", u"", u"", u"");
        writer.SetProjectInfo(kProduct, kProduct, kProduct, u"129", u"1.0.0.0", u"", u"", u"", u"",
                              u"");
        const std::string stub = ReadHostFile(winetest::WinProgram(kProbe));
        ASSERT_GT(stub.size(), 1000u);
        ASSERT_EQ(writer.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()),
                                     text::FromUtf8(setup_), nullptr, 0),
                  SFX_OK);
        bigOffset_ = writer.GetFileRecord(6)->offset;
    }

    // The product folder a 32-bit program gets: "Program Files (x86)" on a 64-bit prefix.
    std::string ProductFolderWindows() const {
        for (const char* programFiles : {"C:\\Program Files (x86)", "C:\\Program Files"}) {
            if (fs::exists(HostPath(programFiles))) {
                const std::string product = std::string(programFiles) + "\\" + Win(kProduct);
                if (fs::exists(HostPath(product))) return product;
            }
        }
        return "";
    }

    void RemoveEarlierInstallation() {
        std::error_code ignored;
        const std::string product = ProductFolderWindows();
        if (!product.empty()) {
            package::InstallLog log;
            if (package::InstallLog::Read(text::FromUtf8(HostPath(product) + "/Install.log"),
                                          &log)) {
                for (const std::u16string& entry : log.Entries()) {
                    if (text::EndsWith(entry, u".lnk")) {
                        fs::remove(HostPath(Win(entry)), ignored);
                    }
                }
            }
            fs::remove_all(HostPath(product), ignored);
        }
        fs::remove_all(HostPath("C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\"
                                "Programs\\" +
                                Win(kProduct)),
                       ignored);
    }

    std::string scratch_;
    std::string source_;
    std::string setup_;
    int32_t bigOffset_ = 0;
    std::map<std::string, std::string> contents_;
};

TEST_F(PackageWineTest, ExtractAllInstallsIntoRealFolders) {
    const std::string temp = winetest::WindowsPath(scratch_ + "/temp");
    const std::string mtA = winetest::WindowsPath(scratch_ + "/MT A");
    const std::string mtB = winetest::WindowsPath(scratch_ + "/MT B");
    winetest::RunOptions options;
    options.timeoutMs = 120000;
    const winetest::ProcessResult run = winetest::Run(setup_, {"all", temp, mtA, mtB}, options);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(Lines(run.out),
              "done big.bin\ndone default.txt\ndone keep.dll\ndone tool.exe\ndone alert.wav\n"
              "done Expert.ex4\ndone Readme.rtf\nresult 1002\n");

    // The MetaTrader files land in both terminals, the sounds folder made in each.
    for (const std::string& mt : {mtA, mtB}) {
        EXPECT_TRUE(ReadHostFile(HostPath(mt + "\\experts\\Expert.ex4")) == contents_["Expert.ex4"])
            << mt;
        EXPECT_TRUE(ReadHostFile(HostPath(mt + "\\sounds\\alert.wav")) == contents_["alert.wav"])
            << mt;
    }
    EXPECT_TRUE(ReadHostFile(HostPath(temp + "\\default.txt")) == contents_["default.txt"]);

    const std::string product = ProductFolderWindows();
    ASSERT_FALSE(product.empty());
    EXPECT_TRUE(ReadHostFile(HostPath(product + "\\data\\big.bin")) == contents_["big.bin"]);
    EXPECT_TRUE(ReadHostFile(HostPath(product + "\\keep.dll")) == contents_["keep.dll"]);

    // "Install.log": the entries in the order they were made, the first hundred files to remove
    // in the original 52004 bytes. The file put into the temporary folder is not listed; the
    // never-uninstalled one is listed to be kept.
    const std::string logPath = HostPath(product + "\\Install.log");
    ASSERT_GT(fs::file_size(logPath), 52004u);
    package::InstallLog log;
    ASSERT_TRUE(package::InstallLog::Read(text::FromUtf8(logPath), &log));
    const std::vector<std::u16string> entries = log.Entries();
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(log.Paths(package::LogEntryKind::Keep),
              std::vector<std::u16string>{text::FromUtf8(product + "\\keep.dll")});
    const std::string group =
        "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\" + Win(kProduct);
    EXPECT_EQ(Win(entries[0]), product + "\\data\\big.bin");
    EXPECT_EQ(Win(entries[1]), group + "\\Keep.lnk");
    EXPECT_EQ(Win(entries[2]), product + "\\bin\\tool.exe");
    // Folder names compare without regard to case ("StartUp" under Wine).
    EXPECT_TRUE(text::EndsWith(text::ToLowerAscii(entries[3]), u"\\startup\\tool.exe.lnk"))
        << Win(entries[3]);
    // A MetaTrader file is listed once for every terminal, in the order they were given.
    EXPECT_EQ(Win(entries[4]), mtA + "\\sounds\\alert.wav");
    EXPECT_EQ(Win(entries[5]), mtB + "\\sounds\\alert.wav");
    EXPECT_EQ(Win(entries[6]), mtA + "\\experts\\Expert.ex4");
    EXPECT_EQ(Win(entries[7]), mtB + "\\experts\\Expert.ex4");
    EXPECT_EQ(Win(entries[8]), product + "\\Readme.rtf");
    EXPECT_EQ(Win(entries[9]), group + "\\ReadMe.lnk");

    // Every listed path exists; the links are real shell links.
    for (const std::u16string& entry : entries) {
        const std::string bytes = ReadHostFile(HostPath(Win(entry)));
        EXPECT_FALSE(bytes.empty()) << Win(entry);
        if (text::EndsWith(entry, u".lnk")) {
            EXPECT_TRUE(IsShellLink(bytes)) << Win(entry);
        }
    }
    const std::string startupLink = ReadHostFile(HostPath(Win(entries[3])));
    EXPECT_NE(startupLink.find(winetest::Utf16LeBytes("/start")), std::string::npos);
    EXPECT_NE(startupLink.find("tool.exe"), std::string::npos);
}

TEST_F(PackageWineTest, ExtractByIndexAndADamagedStream) {
    const std::string folder = winetest::WindowsPath(scratch_ + "/single");
    winetest::RunOptions options;
    options.timeoutMs = 120000;
    // A folder without its final backslash is still the folder the file goes into.
    winetest::ProcessResult run = winetest::Run(setup_, {"one", "6", folder}, options);
    EXPECT_EQ(Lines(run.out), "result 1002\n") << run.err;
    EXPECT_TRUE(ReadHostFile(scratch_ + "/single/big.bin") == contents_["big.bin"]);

    // A flipped byte in the middle of the big stream: the partial file is deleted.
    std::string bytes = ReadHostFile(setup_);
    bytes[bigOffset_ + 100000] = static_cast<char>(bytes[bigOffset_ + 100000] ^ 0x5A);
    const std::string damaged = scratch_ + "/damaged.exe";
    WriteHostFile(damaged, bytes);
    run =
        winetest::Run(damaged, {"one", "6", winetest::WindowsPath(scratch_ + "/broken")}, options);
    EXPECT_EQ(Lines(run.out), "result 1005\n") << run.err;
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(fs::exists(scratch_ + "/broken/big.bin"));
}

// The Windows form of CreateSetup takes the stub from the running program's own resource.
TEST_F(PackageWineTest, CreateSetupFromTheStubResource) {
    winetest::RunOptions options;
    options.timeoutMs = 120000;
    const std::string made = scratch_ + "/made.exe";
    const std::string readme = winetest::WindowsPath(source_ + "Readme.rtf");
    const std::string big = winetest::WindowsPath(source_ + "big.bin");
    winetest::ProcessResult run =
        winetest::Run(winetest::WinProgram(kProbe),
                      {"create", "167", winetest::WindowsPath(made), readme, big}, options);
    EXPECT_EQ(Lines(run.out), "result 1002\n") << run.err;

    const std::string stub =
        ReadHostFile(winetest::CurrentSession().sourceDir + "/tests/wine/package/probe_stub.txt");
    ASSERT_FALSE(stub.empty());
    EXPECT_EQ(ReadHostFile(made).substr(0, stub.size()), stub);
    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(text::FromUtf8(made)), SFX_OK);
    ASSERT_EQ(reader.GetFileCount(), 2);
    EXPECT_EQ(reader.GetFileRecord(0)->offset, static_cast<int32_t>(stub.size()));
    reader.SetModulePath(text::FromUtf8(made));
    ASSERT_EQ(reader.ExtractByIndex(1, text::FromUtf8(scratch_ + "/made")), SFX_OK);
    EXPECT_TRUE(ReadHostFile(scratch_ + "/made/big.bin") == contents_["big.bin"]);

    // No such resource, or nothing to pack: no target is made.
    const std::string missing = scratch_ + "/missing.exe";
    run = winetest::Run(winetest::WinProgram(kProbe),
                        {"create", "168", winetest::WindowsPath(missing), readme}, options);
    EXPECT_EQ(Lines(run.out), "result 1007\n") << run.err;
    run = winetest::Run(winetest::WinProgram(kProbe),
                        {"create", "167", winetest::WindowsPath(missing)}, options);
    EXPECT_EQ(Lines(run.out), "result 1004\n") << run.err;
    EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
