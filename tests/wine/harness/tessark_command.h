#pragma once
// The host build's `tessark` command, with which tests make projects and setups. A test program
// that uses it is declared with NEEDS_TESSARK (tests/wine/CMakeLists.txt), so that it is built.

#include <string>
#include <vector>

#include "tests/wine/harness/process.h"

namespace winetest {

// Its path (the environment variable TESSARK_CLI overrides the one built here). Throws
// std::runtime_error when there is no such command.
std::string TessarkCommand();

// Runs it with `args` in `workDir` (empty: the test's own folder) and waits for it.
ProcessResult RunTessark(const std::vector<std::string>& args, const std::string& workDir = {});

// Runs one command line after the other, e.g. {{"new", "a.eas"}, {"build", "a.eas"}}; each one
// that fails fails the running test with its words and output.
void RunTessarkSteps(const std::vector<std::vector<std::string>>& steps,
                     const std::string& workDir = {});

}  // namespace winetest
