#include <gtest/gtest.h>

#include "os/os.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using ProcessesTest = FakeMachineTest;

TEST_F(ProcessesTest, RunningProcessesMatchIgnoringCase) {
    EXPECT_FALSE(os::IsProcessRunning(u"terminal.exe"));
    os::fake::SetRunningProcesses({u"explorer.exe", u"TERMINAL.EXE"});
    EXPECT_TRUE(os::IsProcessRunning(u"terminal.exe"));
    EXPECT_FALSE(os::IsProcessRunning(u"terminal"));
    os::fake::SetRunningProcesses({});
    EXPECT_FALSE(os::IsProcessRunning(u"terminal.exe"));
}

TEST_F(ProcessesTest, ShellOpenRecordsEveryLaunchInOrder) {
    EXPECT_GT(os::ShellOpen(u"C:\\MT4\\terminal.exe", u"", os::ShowMode::Maximized), 32);
    EXPECT_GT(os::ShellOpen(u"C:\\App\\setup.exe", u"/quiet", os::ShowMode::Normal), 32);
    const auto& launches = os::fake::Launches();
    ASSERT_EQ(launches.size(), 2u);
    EXPECT_EQ(launches[0].path, u"C:\\MT4\\terminal.exe");
    EXPECT_EQ(launches[0].show, os::ShowMode::Maximized);
    EXPECT_EQ(launches[1].parameters, u"/quiet");
    os::fake::ClearLaunches();
    EXPECT_TRUE(os::fake::Launches().empty());
}

}  // namespace
