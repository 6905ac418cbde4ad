#pragma once
// Runs a parsed script against the windows on screen. Commands act on the current window,
// which "window" and "msgbox" choose. The first command that fails stops the run.

#include <vector>

#include "tools/uidriver/script.h"

namespace uidriver {

// Runs every command; returns 0 when all succeeded, 1 when one failed (its message is then on
// standard error, with the list of windows when a window was not found).
int RunScript(const std::vector<Command>& commands);

}  // namespace uidriver
