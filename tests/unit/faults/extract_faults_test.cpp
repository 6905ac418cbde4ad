// A whole installation (ExtractAll) with one failing call of the machine, for every call it
// makes: the result says whether every file was installed, no file is left half-written, and
// "Install.log" lists only whole files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/text.h"
#include "package/install_log.h"
#include "tests/unit/faults/fault_sweep.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using os::fake::Operation;

const os::Path kSetup = u"C:\\users\\tester\\Downloads\\setup.exe";
const os::Path kTemp = u"C:\\users\\tester\\Temp";
const os::Path kProduct = u"C:\\Program Files (x86)\\Grid Trader";
const os::Path kLog = kProduct + u"\\Install.log";
const std::vector<os::Path> kTerminals = {u"C:\\Program Files (x86)\\MT4 One",
                                          u"D:\\Trading\\MT4 Two"};

struct Item {
    std::u16string name;
    std::u16string destination;
    std::u16string shortcut;
    std::u16string autostart;
    std::string bytes;
};

class ExtractFaultsTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        const std::vector<Item> items = {
            {u"Grid.ex4", u"{metatrader}\\experts\\", u"", u"", PatternBytes(30000, 1)},
            {u"grid.wav", u"{metatrader}\\experts\\sounds\\", u"", u"", PatternBytes(900, 2)},
            {u"Guide.txt", u"{app}\\docs\\", u"Guide", u"", PatternBytes(5000, 3)},
            {u"tray.exe", u"{app}\\", u"", u"Yes", PatternBytes(200, 4)},
            {u"banner.jpg", u"", u"", u"", PatternBytes(300, 5)},
        };
        CSelfExtractor writer;
        for (const Item& item : items) {
            MakeFile(sourceFolder_ + item.name, item.bytes);
            ASSERT_TRUE(writer.AddFile(sourceFolder_ + item.name, item.destination, item.shortcut,
                                       u"", u"", u"", item.autostart, u""));
        }
        writer.SetProjectInfo(u"Grid Trader", u"Grid Trader", u"Grid Trader", u"129", u"1.0.0.0",
                              u"", u"", u"", u"", u"");
        PackageTest::CreateSetup(writer, u"C:\\out\\setup.exe");
        setup_ = Read(u"C:\\out\\setup.exe");

        for (const Item& item : items) {
            if (item.destination.rfind(u"{metatrader}", 0) == 0) {
                for (const os::Path& terminal : kTerminals) {
                    copies_[terminal + item.destination.substr(12) + item.name] = item.bytes;
                }
            } else if (item.destination.empty()) {
                copies_[kTemp + u"\\" + item.name] = item.bytes;
            } else {
                copies_[kProduct + item.destination.substr(5) + item.name] = item.bytes;
            }
        }
    }

    // A machine with the setup downloaded and two terminals, nothing installed yet.
    void Fresh() {
        std::filesystem::remove_all(root_);
        os::fake::SetRoot(root_);
        MakeFile(kSetup, setup_);
        for (const os::Path& terminal : kTerminals) {
            std::filesystem::create_directories(Host(terminal + u"\\experts"));
        }
    }

    // How many calls of each operation reading the trailer makes.
    CallCounts TrailerCalls() {
        Fresh();
        os::fake::ClearFaults();
        CSelfExtractor reader;
        EXPECT_EQ(reader.ReadTrailer(kSetup), SFX_OK);
        CallCounts counts;
        for (int i = 0; i < 7; ++i)
            counts.calls[i] = os::fake::CallCount(static_cast<Operation>(i));
        return counts;
    }

    std::string setup_;
    std::map<os::Path, std::string> copies_;  // every file an installation makes, and its bytes
};

TEST_F(ExtractFaultsTest, EveryFailingCallGivesTheCodeOfWhatWasInstalled) {
    const CallCounts trailer = TrailerCalls();
    ASSERT_EQ(trailer.Of(Operation::Open), 1);
    std::vector<std::u16string> goodLog;
    CSelfExtractor installer;  // one for the whole run, as the installer keeps one
    installer.SetModulePath(kSetup);

    const CallCounts counts = SweepFaults(
        kEveryOperation, [&] { Fresh(); },
        [&](const Fault& fault) {
            const int32_t result = installer.ExtractAll(kTemp, nullptr, 0, &kTerminals);
            size_t whole = 0;
            for (const auto& copy : copies_) {
                if (!Exists(copy.first)) continue;
                EXPECT_EQ(Read(copy.first), copy.second) << Host(copy.first);
                ++whole;
            }
            if (fault.n == 0) {
                ASSERT_EQ(result, SFX_OK);
                ASSERT_EQ(whole, copies_.size());
                package::InstallLog log;
                ASSERT_TRUE(package::InstallLog::Read(kLog, &log));
                goodLog = log.Entries();
                return;
            }

            const bool inTrailer = fault.n <= trailer.Of(fault.operation);
            if (fault.operation == Operation::Open && fault.n <= 2) {
                // The setup itself cannot be opened: to read the trailer, then to extract.
                EXPECT_EQ(result, fault.n == 1 ? SFX_ERR_OPEN : SFX_ERR_READ);
                EXPECT_EQ(whole, 0u);
                return;
            }
            if (inTrailer &&
                (fault.operation == Operation::Read || fault.operation == Operation::Seek)) {
                EXPECT_EQ(result, SFX_ERR_SIGNATURE);
                EXPECT_EQ(whole, 0u);
                return;
            }
            // Success only when every file is there. A failure may still end with every file
            // there: a MetaTrader file goes into the last terminal twice, and the second time
            // can make good what the first did not.
            if (result == SFX_OK) {
                EXPECT_EQ(whole, copies_.size());
            } else {
                EXPECT_EQ(result, SFX_ERR_WRITE);
            }

            // The list, when it could be written whole, holds only whole files and links.
            package::InstallLog log;
            if (package::InstallLog::Read(kLog, &log) && log.Count() > 0) {
                for (const std::u16string& entry : log.Entries()) {
                    EXPECT_TRUE(text::EndsWith(entry, u".lnk") ||
                                (copies_.count(entry) == 1 && Read(entry) == copies_[entry]))
                        << text::ToUtf8(entry);
                }
                if (result == SFX_OK) {
                    EXPECT_EQ(log.Entries(), goodLog);
                }
            }
        });
    EXPECT_GT(counts.Of(Operation::Open), 2 + static_cast<int>(copies_.size()));
    EXPECT_GT(counts.Of(Operation::Read), trailer.Of(Operation::Read) + 5);
    EXPECT_GT(counts.Of(Operation::Write), 10);
    EXPECT_GT(counts.Of(Operation::Seek), trailer.Of(Operation::Seek));
    EXPECT_GT(counts.Of(Operation::CreateFolder), 3);
}

}  // namespace
