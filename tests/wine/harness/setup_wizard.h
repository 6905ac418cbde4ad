#pragma once
// Walking a setup's wizard with the UI driver the way a user installs: Next on every page, the
// chosen terminals ticked in the folder page's list (control 1031).

#include <string>
#include <vector>

#include "tests/wine/harness/process.h"

namespace winetest {

struct TerminalTicks {
    std::vector<std::string> commands;   // "tick 1031 ROW", in list order
    std::vector<std::string> terminals;  // the ticked terminals, in the same order
};

// The rows of the folder list (as "items 1031" reads them) that hold one of `terminals`.
TerminalTicks TicksFor(const std::vector<std::string>& rows,
                       const std::vector<std::string>& terminals);

// Installs with `setup`, just started, from the first page to Finish: `terminals` ticked, the
// box that would start the first terminal cleared, nothing else changed. Every terminal must be
// offered; a failure fails the running test (wrap the call in ASSERT_NO_FATAL_FAILURE to stop
// there). Ends with the setup's exit, which must be 0. With `step4Screenshot`, the folder page
// is saved under that name once the terminals are ticked.
void InstallThroughWizard(Process& setup, const std::vector<std::string>& terminals,
                          const std::string& step4Screenshot = "");

}  // namespace winetest
