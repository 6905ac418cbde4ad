// A whole removal on the fake machine: an installed product with two terminals, a product
// folder and a Start Menu group, removed through the plan and checked against the disk.
#include "uninstaller/removal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/le.h"
#include "tests/unit/os/fake_machine_fixture.h"
#include "uninstaller/removal_plan.h"

namespace {

using uninstaller::OwnProduct;
using uninstaller::ProductValues;
using uninstaller::RemovalPlan;
using uninstaller::RunRemoval;

const os::Path kProgramFiles = u"C:\\Program Files (x86)";
const os::Path kPrograms = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
const os::Path kProduct = kProgramFiles + u"\\Acme Robot";
const os::Path kGroup = kPrograms + u"\\Acme";
const os::Path kTerminalOne = kProgramFiles + u"\\MT4 One";
const os::Path kTerminalTwo = kProgramFiles + u"\\MT4 Two";

class RecordingReport : public uninstaller::RemovalReport {
  public:
    std::vector<std::u16string> lines;
    int filesDone = 0;
    int keyDeletions = 0;

    void AddLine(const std::u16string& line) override { lines.push_back(line); }
    void FileDone() override { ++filesDone; }
    bool DeleteProductKey() override {
        ++keyDeletions;
        return true;
    }
};

// The plan of the uninstaller in the product folder, with the shared entry its own.
RemovalPlan MakeRemovalPlan(const ProductValues& values, const os::Path& ownFolder = kProduct) {
    OwnProduct product;
    product.values = values;
    product.entryIsOwn = true;
    return uninstaller::MakeRemovalPlan(product, ownFolder);
}

class RemovalTest : public FakeMachineTest {
  protected:
    void SetUp() override {
        FakeMachineTest::SetUp();
        values_.entryFound = values_.productDirFound = values_.menuGroupFound = true;
        values_.productDir = u"Acme Robot";
        values_.menuGroup = u"Acme";
        for (const os::Path& terminal : {kTerminalOne, kTerminalTwo}) {
            MakeFile(terminal + u"\\terminal.exe");
            MakeFile(terminal + u"\\config\\experts.ini");
            MakeFile(terminal + u"\\experts\\Own.ex4");
            MakeFile(terminal + u"\\experts\\Robot.ex4");
            MakeFile(terminal + u"\\experts\\indicators\\Signal.ex4");
        }
        MakeFile(kTerminalTwo + u"\\experts\\libraries\\Keep.dll");  // never uninstalled
        MakeFile(kProduct + u"\\Uninstall.exe");
        MakeFile(kProduct + u"\\License.rtf");
        MakeFile(kProduct + u"\\data\\cache\\state.dat");  // made by the product itself
        MakeFile(kGroup + u"\\ReadMe.lnk");
        MakeFile(kGroup + u"\\Uninstall.lnk");

        listed_ = {kTerminalTwo + u"\\experts\\indicators\\Signal.ex4",
                   kTerminalTwo + u"\\experts\\Robot.ex4",
                   kTerminalTwo + u"\\experts\\Gone.ex4",  // deleted by the user already
                   kProduct + u"\\License.rtf", kGroup + u"\\ReadMe.lnk"};
        package::InstallLog log;
        for (const os::Path& path : listed_) ASSERT_TRUE(log.Add(path));
        ASSERT_TRUE(log.Write(kProduct + u"\\Install.log"));
    }

    void MakeFile(const os::Path& path) {
        const size_t slash = path.rfind(u'\\');
        ASSERT_TRUE(os::CreateFolderTree(path.substr(0, slash)));
        WriteHostFile(path, "bytes");
    }

    std::vector<std::u16string> Names(const os::Path& folder) {
        std::vector<os::FolderEntry> entries;
        EXPECT_TRUE(os::ListFolder(folder, &entries));
        std::vector<std::u16string> names;
        for (const auto& entry : entries) names.push_back(entry.name);
        return names;
    }

    std::vector<std::u16string> ExpectedLines(const std::vector<os::Path>& files) {
        std::vector<std::u16string> lines;
        for (const os::Path& file : files) lines.push_back(u"Delete file " + file + u"...");
        lines.push_back(u"Remove folder " + kProduct + u"...");
        lines.push_back(u"Remove folder " + kGroup + u"...");
        lines.push_back(u"Unregistering uninstaller...");
        lines.push_back(u"Done.");
        return lines;
    }

    // Runs a removal that must not touch anything and checks that it did not.
    void ExpectNothingRemoved(const ProductValues& values) {
        const RemovalPlan plan = MakeRemovalPlan(values);
        EXPECT_FALSE(plan.trusted);
        EXPECT_FALSE(plan.mayDeleteKey);
        RecordingReport report;
        EXPECT_FALSE(RunRemoval(plan, report));
        EXPECT_TRUE(report.lines.empty());
        EXPECT_EQ(report.keyDeletions, 0);
        for (const os::Path& path :
             {kProduct + u"\\License.rtf", kProduct + u"\\Install.log",
              kProduct + u"\\data\\cache\\state.dat", kGroup + u"\\ReadMe.lnk",
              kGroup + u"\\Uninstall.lnk", kTerminalTwo + u"\\experts\\Robot.ex4",
              kTerminalOne + u"\\experts\\Own.ex4"}) {
            EXPECT_TRUE(HostExists(path)) << Host(path);
        }
    }

    ProductValues values_;
    std::vector<os::Path> listed_;
};

TEST_F(RemovalTest, RemovesWhatTheProductInstalledAndNothingElse) {
    const RemovalPlan plan = MakeRemovalPlan(values_);
    ASSERT_TRUE(plan.trusted);
    EXPECT_EQ(plan.files, listed_);

    RecordingReport report;
    EXPECT_TRUE(RunRemoval(plan, report));
    EXPECT_EQ(report.lines, ExpectedLines(listed_));
    EXPECT_EQ(report.filesDone, 5) << "the file already gone still counts as one step";
    EXPECT_EQ(report.keyDeletions, 1);

    for (const os::Path& path : listed_) EXPECT_FALSE(HostExists(path)) << Host(path);
    // The product folder keeps only the uninstaller; the product's own subfolder is gone.
    EXPECT_EQ(Names(kProduct), std::vector<std::u16string>{u"Uninstall.exe"});
    // The group held an unlisted shortcut too; emptied, the folder itself goes.
    EXPECT_FALSE(HostExists(kGroup));
    EXPECT_TRUE(HostExists(kPrograms));
    // The terminals' own files, the never-uninstalled file and the unlisted first copy stay.
    for (const os::Path& terminal : {kTerminalOne, kTerminalTwo}) {
        EXPECT_TRUE(HostExists(terminal + u"\\terminal.exe"));
        EXPECT_TRUE(HostExists(terminal + u"\\config\\experts.ini"));
        EXPECT_TRUE(HostExists(terminal + u"\\experts\\Own.ex4"));
        EXPECT_TRUE(HostExists(terminal + u"\\experts\\indicators"));
    }
    EXPECT_TRUE(HostExists(kTerminalTwo + u"\\experts\\libraries\\Keep.dll"));
    EXPECT_TRUE(HostExists(kTerminalOne + u"\\experts\\Robot.ex4"));
}

TEST_F(RemovalTest, KeepsOnlyTheExactUninstallerNameAndOtherProductsShortcuts) {
    MakeFile(kProduct + u"\\uninstall.exe");
    MakeFile(kProduct + u"\\UNINSTALL.EXE");
    MakeFile(kProduct + u"\\Uninstall.dat");
    // A group the author gives all his products: another product's shortcuts stay, and so
    // does the group.
    MakeFile(kGroup + u"\\Other Manual.lnk");
    MakeFile(kGroup + u"\\Uninstall Other.lnk");
    RecordingReport report;
    ASSERT_TRUE(RunRemoval(MakeRemovalPlan(values_), report));
    EXPECT_EQ(Names(kProduct).size(), 2u);
    EXPECT_TRUE(HostExists(kProduct + u"\\Uninstall.exe"));
    EXPECT_TRUE(HostExists(kProduct + u"\\Uninstall.dat"));
    std::vector<std::u16string> others = Names(kGroup);
    std::sort(others.begin(), others.end());
    EXPECT_EQ(others, (std::vector<std::u16string>{u"Other Manual.lnk", u"Uninstall Other.lnk"}));
}

TEST_F(RemovalTest, NeverFollowsALinkAndKeepsWhatIsListedToStay) {
    // The product's data moved elsewhere by the user, through a link inside the product
    // folder; a file of the product marked Never Uninstall; files in temporary folders that an
    // older list named.
    MakeFile(u"D:\\Moved Data\\history.dat");
    std::filesystem::create_directory_symlink(Host(u"D:\\Moved Data"),
                                              Host(kProduct + u"\\data\\moved"));
    MakeFile(kProduct + u"\\settings\\user.ini");
    MakeFile(u"C:\\users\\tester\\Temp\\License.rtf");
    MakeFile(u"C:\\users\\anna\\AppData\\Local\\Temp\\banner.jpg");
    package::InstallLog log;
    for (const os::Path& path : listed_) log.Add(path);
    log.Add(kProduct + u"\\SETTINGS\\user.ini", package::LogEntryKind::Keep);
    log.Add(u"C:\\users\\tester\\Temp\\License.rtf");
    log.Add(u"C:\\users\\anna\\AppData\\Local\\Temp\\banner.jpg");
    ASSERT_TRUE(log.Write(kProduct + u"\\Install.log"));

    const RemovalPlan plan = MakeRemovalPlan(values_);
    EXPECT_EQ(plan.files, listed_);
    RecordingReport report;
    ASSERT_TRUE(RunRemoval(plan, report));
    EXPECT_TRUE(HostExists(u"D:\\Moved Data\\history.dat"));
    EXPECT_FALSE(HostExists(kProduct + u"\\data"));
    EXPECT_TRUE(HostExists(kProduct + u"\\settings\\user.ini"));
    EXPECT_TRUE(HostExists(u"C:\\users\\tester\\Temp\\License.rtf"));
    EXPECT_TRUE(HostExists(u"C:\\users\\anna\\AppData\\Local\\Temp\\banner.jpg"));
}

TEST_F(RemovalTest, ASecondRunFindsNothingLeft) {
    RecordingReport first;
    ASSERT_TRUE(RunRemoval(MakeRemovalPlan(values_), first));

    // The welcome page keeps the values it read; the list went with the product folder.
    const RemovalPlan again = MakeRemovalPlan(values_);
    ASSERT_TRUE(again.trusted);
    EXPECT_TRUE(again.files.empty());
    RecordingReport second;
    EXPECT_TRUE(RunRemoval(again, second));
    EXPECT_EQ(second.lines, ExpectedLines({}));
    EXPECT_EQ(second.filesDone, 0);
    EXPECT_EQ(Names(kProduct), std::vector<std::u16string>{u"Uninstall.exe"});
    EXPECT_FALSE(HostExists(kGroup));
}

TEST_F(RemovalTest, WithoutALogOnlyTheFoldersAndTheEntryGo) {
    ASSERT_TRUE(os::DeleteFile(kProduct + u"\\Install.log"));
    const RemovalPlan plan = MakeRemovalPlan(values_);
    ASSERT_TRUE(plan.trusted);
    RecordingReport report;
    EXPECT_TRUE(RunRemoval(plan, report));
    EXPECT_EQ(report.lines, ExpectedLines({}));
    EXPECT_EQ(report.keyDeletions, 1);
    EXPECT_TRUE(HostExists(kTerminalTwo + u"\\experts\\Robot.ex4"));
    EXPECT_EQ(Names(kProduct), std::vector<std::u16string>{u"Uninstall.exe"});
}

TEST_F(RemovalTest, AMissingOrDamagedEntryRemovesNothing) {
    ProductValues missing;  // what reading gives without the key: every default
    ExpectNothingRemoved(missing);

    // The placeholder folder of a missing value belongs to no product, even when it exists.
    MakeFile(kProgramFiles + u"\\" + uninstaller::kPlaceholderFolder + u"\\someone.dat");
    ProductValues noDir = values_;
    noDir.productDirFound = false;
    noDir.productDir = uninstaller::kPlaceholderFolder;
    ExpectNothingRemoved(noDir);
    EXPECT_TRUE(
        HostExists(kProgramFiles + u"\\" + uninstaller::kPlaceholderFolder + u"\\someone.dat"));

    for (const char16_t* dir : {u"", u"..", u"..\\MT4 Two", u"Acme Robot\\..\\..", u".", u"\\",
                                u"C:\\Program Files (x86)\\Acme Robot"}) {
        ProductValues damaged = values_;
        damaged.productDir = dir;
        ExpectNothingRemoved(damaged);
    }
    for (const char16_t* group : {u"", u"..", u"\\Acme", u"C:\\ProgramData", u". "}) {
        ProductValues damaged = values_;
        damaged.menuGroup = group;
        ExpectNothingRemoved(damaged);
    }
}

TEST_F(RemovalTest, AnUnknownBaseFolderOrAnotherFolderRemovesNothing) {
    // An uninstaller that does not stand in the product folder it was given removes nothing.
    EXPECT_FALSE(MakeRemovalPlan(values_, kTerminalTwo).trusted);
    EXPECT_FALSE(MakeRemovalPlan(values_, kProgramFiles).trusted);
    EXPECT_TRUE(MakeRemovalPlan(values_, u"c:\\program files (x86)\\ACME ROBOT\\").trusted);
    os::fake::FailKnownFolder(os::KnownFolder::CommonPrograms);
    ExpectNothingRemoved(values_);
}

TEST_F(RemovalTest, ADamagedLogIsReadOnlyWhereItHoldsFullPaths) {
    // Count 5000; slot 1 without its terminator, slot 2 relative, slot 99 far past the
    // claimed entries but inside the clamped count.
    std::string bytes(52004, '\0');
    auto putSlot = [&bytes](int slot, const std::u16string& path) {
        for (size_t i = 0; i < path.size(); ++i) {
            le::PutU16(reinterpret_cast<uint8_t*>(&bytes[4 + slot * 520 + 2 * i]), path[i]);
        }
    };
    le::PutI32(reinterpret_cast<uint8_t*>(&bytes[0]), 5000);
    putSlot(0, kTerminalTwo + u"\\experts\\Robot.ex4");
    putSlot(1, std::u16string(260, u'x'));
    putSlot(2, u"experts\\Own.ex4");
    putSlot(99, kProduct + u"\\License.rtf");
    WriteHostFile(kProduct + u"\\Install.log", bytes);

    RemovalPlan plan = MakeRemovalPlan(values_);
    ASSERT_TRUE(plan.trusted);
    EXPECT_EQ(plan.files, (std::vector<os::Path>{kTerminalTwo + u"\\experts\\Robot.ex4",
                                                 kProduct + u"\\License.rtf"}));

    // A list cut short is read as far as it goes.
    WriteHostFile(kProduct + u"\\Install.log", bytes.substr(0, 4 + 520 + 100));
    plan = MakeRemovalPlan(values_);
    EXPECT_EQ(plan.files, std::vector<os::Path>{kTerminalTwo + u"\\experts\\Robot.ex4"});

    RecordingReport report;
    EXPECT_TRUE(RunRemoval(plan, report));
    EXPECT_FALSE(HostExists(kTerminalTwo + u"\\experts\\Robot.ex4"));
    EXPECT_TRUE(HostExists(kTerminalTwo + u"\\experts\\Own.ex4"));
}

}  // namespace
