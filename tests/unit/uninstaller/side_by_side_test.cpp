// Several products on one machine, end to end on the fake machine: each installed by the real
// installation run, each removed by its own uninstaller's plan, with the one registry entry that
// every product shares kept in a table. Each uninstaller removes exactly its own product.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "base/text.h"
#include "installer/installation.h"
#include "installer/uninstall_values.h"
#include "package/install_log.h"
#include "tests/unit/installer/classic_terminals.h"
#include "tests/unit/package/package_fixture.h"
#include "uninstaller/unattended_removal.h"

namespace {

using namespace uninstaller;

const os::Path kProgramFiles = u"C:\\Program Files (x86)";
const os::Path kGroup = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Bands Inc";
const os::Path kTerminal = kProgramFiles + u"\\MT4";
const os::Path kSetup = u"C:\\out\\setup.exe";

// The shared entry "Tessark", as the registry holds it.
using Entry = std::map<std::u16string, std::u16string>;

class EntryReader : public ValueReader {
  public:
    explicit EntryReader(const Entry& entry) : entry_(entry) {}
    bool KeyExists() override { return !entry_.empty(); }
    bool ReadString(std::u16string_view name, std::u16string* text) override {
        const auto found = entry_.find(std::u16string(name));
        if (found == entry_.end()) return false;
        *text = found->second;
        return true;
    }

  private:
    const Entry& entry_;
};

// The installer's Windows-only steps: the program is a file, registering fills the entry.
class TableUninstaller : public installer::UninstallerSetup {
  public:
    explicit TableUninstaller(Entry& entry) : entry_(entry) {}
    void WriteProgram(const os::Path& program) override {
        os::File file;
        if (file.Create(program)) file.Write("MZ", 2);
    }
    void Brand(const os::Path&, const os::Path&) override {}
    void Register(const os::Path& program, const ProjectStrings& strings, uint32_t) override {
        entry_.clear();
        for (const auto& value : package::ProductEntryValues(program, strings)) {
            entry_[value.name] = value.data;
        }
    }

  private:
    Entry& entry_;
};

class EntryReport : public RemovalReport {
  public:
    explicit EntryReport(Entry& entry) : entry_(entry) {}
    void AddLine(const std::u16string&) override {}
    void FileDone() override {}
    bool DeleteProductKey() override {
        entry_.clear();
        return true;
    }

  private:
    Entry& entry_;
};

class NoLines : public installer::InstallationObserver {
  public:
    void FileInstalled() override {}
    void LogLine(const std::u16string&) override {}
};

class SideBySideTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        for (const char16_t* sub : {u"\\experts", u"\\sounds", u"\\config"}) {
            ASSERT_TRUE(os::CreateFolderTree(kTerminal + sub));
        }
        MakeFile(kTerminal + u"\\terminal.exe", "MZ");
    }

    static os::Path Folder(const std::u16string& product) {
        return kProgramFiles + u"\\" + product;
    }

    // Installs `product` (its folder named after it, its group the shared "Bands Inc") with
    // its own files: an expert, a settings file never uninstalled and a manual with a shortcut,
    // besides the five leading entries; `extra` adds more experts.
    void Install(const std::u16string& product, const std::vector<std::u16string>& extra = {}) {
        CSelfExtractor writer;
        auto add = [&](const std::u16string& name, const std::u16string& destination,
                       const std::u16string& shortcut = u"", const std::u16string& keep = u"") {
            MakeFile(sourceFolder_ + name, "bytes of " + text::ToUtf8(name));
            ASSERT_TRUE(writer.AddFile(sourceFolder_ + name, destination, shortcut, u"", u"", keep,
                                       u"", u""));
        };
        add(u"icon.ico", u"");
        add(u"banner.jpg", u"");
        add(u"License.rtf", u"{app}\\");
        add(u"Readme.rtf", u"");
        add(u"What's New.rtf", u"");
        add(product + u".ex4", u"{metatrader}\\experts\\");
        for (const std::u16string& name : extra) add(name, u"{metatrader}\\experts\\");
        add(u"settings.ini", u"{app}\\", u"", u"Yes");
        add(u"Manual.txt", u"{app}\\", product + u" Manual");
        writer.SetProjectInfo(product, product, u"Bands Inc", u"129", u"1.0", u"", u"", u"", u"",
                              u"");
        CreateSetup(writer, kSetup);
        InstallSetup();
    }

    // Installs kSetup into the classic terminal, as the wizard would.
    void InstallSetup() {
        installer::InstallSession session;
        session.packageReader.SetModulePath(kSetup);
        installer::OpenPackage(&session);
        session.chosenTerminals = ClassicTerminals({kTerminal});
        NoLines lines;
        TableUninstaller uninstaller(entry_);
        ASSERT_EQ(installer::RunInstallation(session, lines, uninstaller), SFX_OK);
    }

    // Runs the uninstaller of `product` as "/S" does.
    int Uninstall(const std::u16string& product) {
        EntryReader reader(entry_);
        EntryReport report(entry_);
        const os::Path own = Folder(product);
        return RunUnattendedRemoval(FindOwnProduct(own, reader), own, report);
    }

    bool Installed(const std::u16string& product) const {
        return Exists(kTerminal + u"\\experts\\" + product + u".ex4") &&
               Exists(Folder(product) + u"\\Manual.txt") &&
               Exists(Folder(product) + u"\\License.rtf") &&
               Exists(kGroup + u"\\" + product + u" Manual.lnk");
    }

    bool Gone(const std::u16string& product) const {
        return !Exists(kTerminal + u"\\experts\\" + product + u".ex4") &&
               !Exists(Folder(product) + u"\\Manual.txt") &&
               !Exists(Folder(product) + u"\\License.rtf") &&
               !Exists(kGroup + u"\\" + product + u" Manual.lnk");
    }

    Entry entry_;
};

TEST_F(SideBySideTest, EachUninstallerRemovesItsOwnProductInEitherOrder) {
    for (const bool alphaFirst : {true, false}) {
        SCOPED_TRACE(alphaFirst ? "Alpha removed first" : "Beta removed first");
        Install(u"Alpha Bands");
        Install(u"Beta Bands");
        ASSERT_TRUE(Installed(u"Alpha Bands"));
        ASSERT_TRUE(Installed(u"Beta Bands"));
        // The group is shared: the second product's Uninstall shortcut has its own name.
        EXPECT_TRUE(Exists(kGroup + u"\\Uninstall.lnk"));
        EXPECT_TRUE(Exists(kGroup + u"\\Uninstall Beta Bands.lnk"));
        EXPECT_EQ(entry_[u"ProductName"], u"Beta Bands");

        const std::u16string first = alphaFirst ? u"Alpha Bands" : u"Beta Bands";
        const std::u16string second = alphaFirst ? u"Beta Bands" : u"Alpha Bands";
        EXPECT_EQ(Uninstall(first), kRemoved);
        EXPECT_TRUE(Gone(first));
        EXPECT_TRUE(Installed(second)) << "the other product is untouched";
        // The entry goes with the product it describes, the last one installed.
        EXPECT_EQ(entry_.empty(), !alphaFirst);
        EXPECT_TRUE(Exists(kGroup));

        EXPECT_EQ(Uninstall(second), kRemoved);
        EXPECT_TRUE(Gone(second));
        EXPECT_TRUE(entry_.empty());
        EXPECT_FALSE(Exists(kGroup)) << "empty once both products are gone";
        // Never Uninstall is kept, also inside the product folder, beside the uninstaller and
        // its record; the scratch copies of the wizard's texts were never listed.
        for (const std::u16string& product : {first, second}) {
            EXPECT_TRUE(Exists(Folder(product) + u"\\settings.ini"));
            EXPECT_TRUE(Exists(Folder(product) + u"\\Uninstall.exe"));
            EXPECT_TRUE(Exists(Folder(product) + u"\\Uninstall.dat"));
            // A second run finds its product, and nothing left to remove.
            EXPECT_EQ(Uninstall(product), kRemoved);
        }
        EXPECT_TRUE(Exists(u"C:\\users\\tester\\Temp\\banner.jpg"));
        EXPECT_TRUE(Exists(u"C:\\users\\tester\\Temp\\Readme.rtf"));
        std::filesystem::remove_all(Host(kProgramFiles + u"\\Alpha Bands"));
        std::filesystem::remove_all(Host(kProgramFiles + u"\\Beta Bands"));
    }
}

TEST_F(SideBySideTest, WithoutATrustworthyRecordNothingIsRemoved) {
    Install(u"Alpha Bands");
    Install(u"Beta Bands");
    // Alpha's record lost, and the entry is Beta's: Alpha's uninstaller can prove nothing.
    ASSERT_TRUE(os::DeleteFile(Folder(u"Alpha Bands") + u"\\Uninstall.dat"));
    EXPECT_EQ(Uninstall(u"Alpha Bands"), kNoProductEntry);
    EXPECT_TRUE(Installed(u"Alpha Bands"));
    EXPECT_TRUE(Installed(u"Beta Bands"));
    // Without the entry, Beta's own record suffices.
    entry_.clear();
    EXPECT_EQ(Uninstall(u"Beta Bands"), kRemoved);
    EXPECT_TRUE(Gone(u"Beta Bands"));
    // Without the entry and without its record: nothing.
    EXPECT_EQ(Uninstall(u"Alpha Bands"), kNoProductEntry);
    EXPECT_TRUE(Installed(u"Alpha Bands"));
    // An uninstaller copied somewhere else has no product there.
    MakeFile(u"C:\\Elsewhere\\Uninstall.exe", "MZ");
    EXPECT_EQ(Uninstall(u"..\\Elsewhere"), kNoProductEntry);
    EXPECT_TRUE(Installed(u"Alpha Bands"));
}

TEST_F(SideBySideTest, AnUpgradeIsRemovedWithWhatOnlyTheEarlierVersionHad) {
    Install(u"Alpha Bands", {u"Legacy.ex4", u"Common.ex4"});
    Install(u"Alpha Bands", {u"Common.ex4", u"Added.ex4"});
    EXPECT_EQ(Uninstall(u"Alpha Bands"), kRemoved);
    EXPECT_TRUE(Gone(u"Alpha Bands"));
    for (const char16_t* name : {u"Legacy.ex4", u"Common.ex4", u"Added.ex4"}) {
        EXPECT_FALSE(Exists(kTerminal + u"\\experts\\" + name)) << text::ToUtf8(name);
    }
    // Reinstalling the same product keeps its plain Uninstall shortcut.
    EXPECT_FALSE(Exists(kGroup));
}

// Every folder and file below `root` (host paths relative to it), and each file's bytes.
std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string relative = entry.path().string().substr(root.size());
        std::string bytes = "(folder)";
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        found[relative] = bytes;
    }
    return found;
}

TEST_F(SideBySideTest, TheUninstallLeavesTheTerminalAsItWasFound) {
    // The terminal has an empty include folder of its own, which must stay.
    ASSERT_TRUE(os::CreateFolderTree(kTerminal + u"\\experts\\include"));
    MakeFile(kTerminal + u"\\config\\experts.ini", std::string(300, '\x5A'));
    std::map<std::string, std::string> before = Snapshot(Host(kTerminal));

    CSelfExtractor writer;
    for (const auto& [name, destination] : std::vector<std::pair<std::u16string, std::u16string>>{
             {u"icon.ico", u""},
             {u"banner.jpg", u""},
             {u"License.rtf", u""},
             {u"Readme.rtf", u""},
             {u"What's New.rtf", u""},
             {u"Deep.ex4", u"{metatrader}\\experts\\"},
             {u"Stats.mqh", u"{metatrader}\\experts\\include\\Vendor\\Math\\Stats\\"},
             {u"Vendor.mqh", u"{metatrader}\\experts\\include\\Vendor\\"},
             {u"preset.set", u"{metatrader}\\experts\\presets\\Deep\\"},
             {u"chart.png", u"{app}\\docs\\images\\"}}) {
        MakeFile(sourceFolder_ + name, "bytes of " + text::ToUtf8(name));
        ASSERT_TRUE(
            writer.AddFile(sourceFolder_ + name, destination, u"", u"", u"", u"", u"", u""));
    }
    writer.SetProjectInfo(u"Deep", u"Deep", u"Deep Tools\\Sub", u"129", u"1.0", u"", u"", u"", u"",
                          u"");
    writer.SetExpertOptions(1, 2, 2, 2, 2, 2, 2, 2);
    CreateSetup(writer, kSetup);
    ASSERT_NO_FATAL_FAILURE(InstallSetup());
    ASSERT_TRUE(Exists(kTerminal + u"\\experts\\include\\Vendor\\Math\\Stats\\Stats.mqh"));
    ASSERT_TRUE(Exists(Folder(u"Deep") + u"\\docs\\images\\chart.png"));

    EXPECT_EQ(Uninstall(u"Deep"), kRemoved);
    std::map<std::string, std::string> after = Snapshot(Host(kTerminal));
    // The expert settings file keeps the option the installation set.
    ASSERT_EQ(after.count("/config/experts.ini"), 1u);
    EXPECT_EQ(after["/config/experts.ini"][4], 1);
    after["/config/experts.ini"] = before["/config/experts.ini"];
    EXPECT_EQ(after, before);
    // The product folder keeps the uninstaller and its record; its own subfolders and the
    // nested Start Menu group it made are gone.
    EXPECT_FALSE(Exists(Folder(u"Deep") + u"\\docs"));
    EXPECT_FALSE(Exists(u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Deep Tools"));
}

}  // namespace
