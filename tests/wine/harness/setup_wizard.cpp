#include "tests/wine/harness/setup_wizard.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/wine/harness/screenshot.h"
#include "tests/wine/harness/ui_driver.h"

namespace winetest {

TerminalTicks TicksFor(const std::vector<std::string>& rows,
                       const std::vector<std::string>& terminals) {
    TerminalTicks ticks;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (std::find(terminals.begin(), terminals.end(), rows[row]) != terminals.end()) {
            ticks.commands.push_back("tick 1031 " + std::to_string(row));
            ticks.terminals.push_back(rows[row]);
        }
    }
    return ticks;
}

void InstallThroughWizard(Process& setup, const std::vector<std::string>& terminals,
                          const std::string& step4Screenshot) {
    const DriverResult rows = Drive({"window | Step 1", "waitenabled 1", "click 1", "waitclosed",
                                     "window | Step 4", "items 1031"});
    ASSERT_TRUE(rows.ok()) << rows.error;
    const TerminalTicks ticks = TicksFor(rows.lines, terminals);
    ASSERT_EQ(ticks.terminals.size(), terminals.size()) << "every terminal is offered";
    std::vector<std::string> walk = {"window | Step 4"};
    walk.insert(walk.end(), ticks.commands.begin(), ticks.commands.end());
    if (!step4Screenshot.empty()) {
        const DriverResult ticked = Drive(walk);
        ASSERT_TRUE(ticked.ok()) << ticked.error;
        Screenshot(step4Screenshot);
        walk = {"window | Step 4"};
    }
    for (const char* line :
         {"waitenabled 1", "click 1", "waitclosed", "window | Step 5", "click 1", "waitclosed",
          "window | Step 6", "timeout 60000", "waitenabled 1", "click 1", "waitclosed",
          "window | Step 8", "click 1028", "click 2", "waitclosed"}) {
        walk.push_back(line);
    }
    const DriverResult walked = Drive(walk);
    if (!walked.ok()) {
        const ProcessResult ended = setup.Wait(5000);
        FAIL() << walked.error << "\nsetup: exit code " << ended.exitCode << ", " << ended.err;
    }
    EXPECT_EQ(setup.Wait(30000).exitCode, 0);
}

}  // namespace winetest
