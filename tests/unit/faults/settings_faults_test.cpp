// The expert settings writer over two terminals and their per-user virtual copies, with one
// failing call of the machine, for every call it makes: each settings file is either as it was
// or wholly written, never cut, and no temporary file is left beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "installer/expert_settings.h"
#include "tests/unit/faults/fault_sweep.h"
#include "tests/unit/os/fake_machine_fixture.h"
#include "tests/unit/installer/classic_terminals.h"

namespace {

using os::fake::Operation;

const os::Path kOne = u"C:\\Program Files (x86)\\MT4 One";
const os::Path kTwo = u"D:\\MT4 Two";
const os::Path kStoreOfOne = u"\\AppData\\Local\\VirtualStore\\Program Files (x86)\\MT4 One";
const os::Path kOwnFile = kOne + u"\\config\\experts.ini";
const os::Path kVirtualFile = u"C:\\users\\tester" + kStoreOfOne + u"\\config\\experts.ini";
const os::Path kNewVirtualFile = u"C:\\users\\second" + kStoreOfOne + u"\\config\\experts.ini";
const os::Path kNewOwnFile = kTwo + u"\\config\\experts.ini";

class SettingsFaultsTest : public FakeMachineTest {
  protected:
    void SetUp() override {
        FakeMachineTest::SetUp();
        options_.enableExperts = 1;
        options_.allowLiveTrading = 0;
        options_.allowDllImports = 1;
        options_.askManualConfirmation = 1;
        for (size_t i = 0; i < 600; ++i) before_.push_back(static_cast<char>(i * 7 + 3));
    }

    // Two terminals: the first with its file and one user's virtual copy, a second user with
    // an empty virtual config folder; the second terminal without a file yet.
    void Fresh() {
        std::filesystem::remove_all(root_);
        os::fake::SetRoot(root_);
        for (const os::Path& file : {kOwnFile, kVirtualFile, kNewVirtualFile, kNewOwnFile}) {
            std::filesystem::create_directories(std::filesystem::path(Host(file)).parent_path());
        }
        WriteHostFile(kOwnFile, before_);
        WriteHostFile(kVirtualFile, before_);
    }

    std::string Patched(std::string bytes) const {
        for (size_t i = 0; i < installer::kExpertOptionOffsets.size(); ++i) {
            const int32_t state = options_.*kExpertOptionFields[i];
            if (state != installer::kOptionNoChange) {
                bytes[installer::kExpertOptionOffsets[i]] = static_cast<char>(state);
            }
        }
        return bytes;
    }

    std::vector<std::string> Names(const os::Path& file) const {
        std::vector<std::string> names;
        const auto folder = std::filesystem::path(Host(file)).parent_path();
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    ExpertOptions options_;
    std::string before_;
};

TEST_F(SettingsFaultsTest, EveryFileIsOldOrWholeAfterAnyFailingCall) {
    const installer::ExpertSettingsRecord record = installer::DefaultExpertSettings();
    const std::string created = Patched(std::string(record.begin(), record.end()));
    const std::map<os::Path, std::string> before = {{kOwnFile, before_}, {kVirtualFile, before_}};
    const std::map<os::Path, std::string> after = {{kOwnFile, Patched(before_)},
                                                   {kVirtualFile, Patched(before_)},
                                                   {kNewVirtualFile, created},
                                                   {kNewOwnFile, created}};

    const CallCounts counts = SweepFaults(
        kEveryOperation, [&] { Fresh(); },
        [&](const Fault& fault) {
            installer::WriteExpertOptions(options_, ClassicTerminals({kOne, kTwo}));
            int unchanged = 0;
            for (const auto& file : after) {
                const bool existed = before.count(file.first) == 1;
                if (!HostExists(file.first)) {
                    EXPECT_FALSE(existed) << Host(file.first);
                    ++unchanged;
                    continue;
                }
                const std::string now = ReadHostFile(file.first);
                if (now != file.second) {
                    EXPECT_TRUE(existed && now == before.at(file.first)) << Host(file.first);
                    ++unchanged;
                }
                EXPECT_EQ(Names(file.first), std::vector<std::string>{"experts.ini"});
            }
            // One failing call costs at most the one file it belongs to.
            EXPECT_LE(unchanged, fault.n == 0 ? 0 : 1);
        });
    EXPECT_GE(counts.Of(Operation::Open), 6);
    EXPECT_GE(counts.Of(Operation::Read), 2);  // each existing file read whole at once
    EXPECT_GE(counts.Of(Operation::Write), 4);
    EXPECT_EQ(counts.Of(Operation::Move), 4);
}

}  // namespace
