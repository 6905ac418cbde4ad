// The uninstaller's removal with one failing call of the machine, for every call it makes:
// reading "Install.log" and every deletion. The removal goes on past each failure, ends with
// "Done.", and never touches what the product does not own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "package/install_log.h"
#include "tests/unit/faults/fault_sweep.h"
#include "tests/unit/os/fake_machine_fixture.h"
#include "uninstaller/removal.h"
#include "uninstaller/removal_plan.h"

namespace {

using os::fake::Operation;

const os::Path kProgramFiles = u"C:\\Program Files (x86)";
const os::Path kProduct = kProgramFiles + u"\\Grid Trader";
const os::Path kGroup = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Grid Trader";
const os::Path kTerminal = kProgramFiles + u"\\MT4";
const os::Path kUninstaller = kProduct + u"\\Uninstall.exe";

class Report : public uninstaller::RemovalReport {
  public:
    void AddLine(const std::u16string& line) override { lines.push_back(line); }
    void FileDone() override { ++filesDone; }
    bool DeleteProductKey() override {
        ++keyDeletions;
        return true;
    }
    std::vector<std::u16string> lines;
    int filesDone = 0;
    int keyDeletions = 0;
};

class RemovalFaultsTest : public FakeMachineTest {
  protected:
    void SetUp() override {
        FakeMachineTest::SetUp();
        values_.entryFound = values_.productDirFound = values_.menuGroupFound = true;
        values_.productDir = u"Grid Trader";
        values_.menuGroup = u"Grid Trader";
    }

    void Put(const os::Path& path) {
        std::filesystem::create_directories(std::filesystem::path(Host(path)).parent_path());
        WriteHostFile(path, "bytes");
    }

    void Fresh() {
        std::filesystem::remove_all(root_);
        os::fake::SetRoot(root_);
        for (const os::Path& path : kOwned) Put(path);
        for (const os::Path& path : kListedOutside) Put(path);
        for (const os::Path& path : kNotOwned) Put(path);
        Put(kUninstaller);
        package::InstallLog log;
        for (const os::Path& path : kListedOutside) log.Add(path);
        log.Add(kProduct + u"\\Guide.txt");
        log.Add(kGroup + u"\\Guide.lnk");
        ASSERT_TRUE(log.Write(kProduct + u"\\Install.log"));
    }

    size_t Remaining(const std::vector<os::Path>& paths) const {
        size_t remaining = 0;
        for (const os::Path& path : paths) remaining += HostExists(path) ? 1 : 0;
        return remaining;
    }

    uninstaller::ProductValues values_;
    // In the product folder (listed or not), or the product's shortcuts in the group.
    const std::vector<os::Path> kOwned = {kProduct + u"\\Guide.txt", kProduct + u"\\data\\a.dat",
                                          kProduct + u"\\data\\deep\\b.dat",
                                          kGroup + u"\\Guide.lnk", kGroup + u"\\Uninstall.lnk"};
    // Listed in "Install.log", elsewhere.
    const std::vector<os::Path> kListedOutside = {kTerminal + u"\\experts\\Grid.ex4",
                                                  kTerminal + u"\\experts\\sounds\\grid.wav"};
    const std::vector<os::Path> kNotOwned = {kTerminal + u"\\experts\\Other.ex4",
                                             kProgramFiles + u"\\Other\\other.exe"};
};

TEST_F(RemovalFaultsTest, TheRemovalGoesOnPastEveryFailingCall) {
    const CallCounts counts = SweepFaults(
        kEveryOperation, [&] { Fresh(); },
        [&](const Fault& fault) {
            uninstaller::OwnProduct product;
            product.values = values_;
            product.entryIsOwn = true;
            const uninstaller::RemovalPlan plan = uninstaller::MakeRemovalPlan(product, kProduct);
            ASSERT_TRUE(plan.trusted);
            Report report;
            EXPECT_TRUE(uninstaller::RunRemoval(plan, report));
            ASSERT_FALSE(report.lines.empty());
            EXPECT_EQ(report.lines.back(), u"Done.");
            EXPECT_EQ(report.keyDeletions, 1);
            EXPECT_EQ(report.filesDone, static_cast<int>(plan.files.size()));
            EXPECT_TRUE(HostExists(kUninstaller));
            EXPECT_EQ(Remaining(kNotOwned), kNotOwned.size());

            const bool logUnread =
                (fault.operation == Operation::Open || fault.operation == Operation::Read) &&
                fault.n == 1;
            if (fault.n == 0) {
                EXPECT_EQ(plan.files.size(), kListedOutside.size() + 2);
            }
            if (logUnread) {
                // Without its list the removal keeps to the product folder and its Uninstall
                // shortcut: the listed shortcut and with it the group stay.
                EXPECT_TRUE(plan.files.empty());
                EXPECT_EQ(Remaining(kListedOutside), kListedOutside.size());
                EXPECT_EQ(Remaining(kOwned), 1u);
                EXPECT_TRUE(HostExists(kGroup + u"\\Guide.lnk"));
                return;
            }
            // The group goes unless deleting something in it failed.
            if (fault.operation != Operation::Delete) {
                EXPECT_FALSE(HostExists(kGroup));
            }
            // A deletion that fails keeps that one file; everything else goes.
            const size_t left = Remaining(kOwned) + Remaining(kListedOutside);
            EXPECT_LE(left, fault.operation == Operation::Delete ? 1u : 0u);
        });
    EXPECT_EQ(counts.Of(Operation::Open), 1);
    EXPECT_EQ(counts.Of(Operation::Read), 1);
    EXPECT_GT(counts.Of(Operation::Delete), 8);
}

}  // namespace
