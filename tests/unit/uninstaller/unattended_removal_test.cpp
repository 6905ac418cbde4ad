// The removal without windows on the fake machine, and the uninstaller's command line.
#include "uninstaller/unattended_removal.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/text.h"
#include "tests/unit/os/fake_machine_fixture.h"
#include "uninstaller/uninstall_command_line.h"

namespace {

using namespace uninstaller;

const os::Path kProduct = u"C:\\Program Files (x86)\\Acme Robot";
const os::Path kGroup = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Acme";
const os::Path kTerminal = u"C:\\Program Files (x86)\\MT4 One";

// The product of the uninstaller in the product folder, the shared entry its own.
OwnProduct Own(const ProductValues& values) {
    OwnProduct product;
    product.values = values;
    product.entryIsOwn = true;
    return product;
}

class KeyReport : public RemovalReport {
  public:
    void AddLine(const std::u16string&) override {}
    void FileDone() override {}
    bool DeleteProductKey() override {
        ++deletions;
        return keyGoes;
    }
    bool keyGoes = true;
    int deletions = 0;
};

class UnattendedRemovalTest : public FakeMachineTest {
  protected:
    void SetUp() override {
        FakeMachineTest::SetUp();
        os::fake::SetRunningProcesses({});
        values_.entryFound = values_.productDirFound = values_.menuGroupFound = true;
        values_.productDir = u"Acme Robot";
        values_.menuGroup = u"Acme";
        for (const os::Path& file :
             {kTerminal + u"\\experts\\Robot.ex4", kTerminal + u"\\experts\\Own.ex4",
              kProduct + u"\\Uninstall.exe", kProduct + u"\\License.rtf",
              kGroup + u"\\Uninstall.lnk"}) {
            MakeFile(file);
        }
        package::InstallLog log;
        for (const os::Path& path :
             {kTerminal + u"\\experts\\Robot.ex4", kProduct + u"\\License.rtf"}) {
            ASSERT_TRUE(log.Add(path));
        }
        ASSERT_TRUE(log.Write(kProduct + u"\\Install.log"));
    }

    void MakeFile(const os::Path& path) {
        ASSERT_TRUE(os::CreateFolderTree(path.substr(0, path.rfind(u'\\'))));
        WriteHostFile(path, "bytes");
    }

    ProductValues values_;
    KeyReport report_;
};

TEST_F(UnattendedRemovalTest, RemovesWhatThePagesWouldRemove) {
    EXPECT_EQ(RunUnattendedRemoval(Own(values_), kProduct, report_), kRemoved);
    EXPECT_FALSE(HostExists(kTerminal + u"\\experts\\Robot.ex4"));
    EXPECT_TRUE(HostExists(kTerminal + u"\\experts\\Own.ex4")) << "not the product's";
    EXPECT_FALSE(HostExists(kProduct + u"\\License.rtf"));
    EXPECT_TRUE(HostExists(kProduct + u"\\Uninstall.exe"));
    EXPECT_FALSE(HostExists(kGroup));
    EXPECT_EQ(report_.deletions, 1);
}

TEST_F(UnattendedRemovalTest, AMissingOrDamagedEntryRemovesNothing) {
    for (auto damage : std::vector<std::function<void(ProductValues&)>>{
             [](ProductValues& v) { v = ProductValues(); },
             [](ProductValues& v) { v.productDir = u"..\\Windows"; },
             [](ProductValues& v) { v.menuGroupFound = false; },
         }) {
        ProductValues values = values_;
        damage(values);
        EXPECT_EQ(RunUnattendedRemoval(Own(values), kProduct, report_), kNoProductEntry);
    }
    EXPECT_EQ(report_.deletions, 0);
    EXPECT_TRUE(HostExists(kTerminal + u"\\experts\\Robot.ex4"));
    EXPECT_TRUE(HostExists(kProduct + u"\\License.rtf"));
    EXPECT_TRUE(HostExists(kGroup + u"\\Uninstall.lnk"));
}

TEST_F(UnattendedRemovalTest, ARunningTerminalRemovesNothing) {
    os::fake::SetRunningProcesses({u"Terminal.exe"});
    EXPECT_EQ(RunUnattendedRemoval(Own(values_), kProduct, report_), kTerminalRunning);
    EXPECT_TRUE(HostExists(kTerminal + u"\\experts\\Robot.ex4"));
    EXPECT_EQ(report_.deletions, 0);
}

TEST_F(UnattendedRemovalTest, AnEntryThatStaysIsReported) {
    report_.keyGoes = false;
    EXPECT_EQ(RunUnattendedRemoval(Own(values_), kProduct, report_), kNotAllRemoved);
    EXPECT_FALSE(HostExists(kProduct + u"\\License.rtf")) << "the rest still went";
}

TEST_F(UnattendedRemovalTest, AListedFileThatStaysIsReported) {
    // A folder where the listed file is (which a file deletion cannot remove), and a listed
    // file that the user deleted already, which counts as gone.
    ASSERT_TRUE(os::CreateFolderTree(kTerminal + u"\\experts\\Locked.ex4\\inside"));
    package::InstallLog log;
    for (const os::Path& path :
         {kTerminal + u"\\experts\\Gone.ex4", kTerminal + u"\\experts\\Locked.ex4"}) {
        ASSERT_TRUE(log.Add(path));
    }
    ASSERT_TRUE(log.Write(kProduct + u"\\Install.log"));
    EXPECT_EQ(RunUnattendedRemoval(Own(values_), kProduct, report_), kNotAllRemoved);
    EXPECT_EQ(report_.deletions, 1);
}

TEST(UninstallCommandLine, SilentHelpAndWrongLines) {
    using Mode = UninstallCommandLine::Mode;
    EXPECT_EQ(ParseUninstallCommandLine(u"").mode, Mode::Wizard);
    EXPECT_EQ(ParseUninstallCommandLine(u"/quiet").mode, Mode::Wizard);
    EXPECT_EQ(ParseUninstallCommandLine(u"/s").mode, Mode::Unattended);
    EXPECT_EQ(ParseUninstallCommandLine(u"  \"/S\"  ").mode, Mode::Unattended);
    EXPECT_EQ(ParseUninstallCommandLine(u"/S /?").mode, Mode::Help);
    const UninstallCommandLine wrong = ParseUninstallCommandLine(u"/S /MT4=C:\\x");
    EXPECT_EQ(wrong.mode, Mode::UsageError);
    EXPECT_EQ(wrong.error, u"unknown switch /MT4=C:\\x");
}

}  // namespace
