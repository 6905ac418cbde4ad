#pragma once
// The Wine test harness: what an end-to-end test needs to run our Windows programs under Wine
// and look at the result from Linux. Include this one header.
//
// A test is declared in an area's CMakeLists.txt with
//     tessark_wine_test(my_wine_test SOURCES my_wine_test.cpp)
// and written as plain GoogleTest:
//
//     TEST(Installer, WalksToFinish) {
//         winetest::Process setup(winetest::WinProgram("installer/extractor.exe"));
//         auto driven = winetest::Drive({"window Step 1", "waitenabled 1", "click 1",
//                                        "window Step 2", "text 1014"});
//         ASSERT_TRUE(driven.ok()) << driven.error;
//         EXPECT_EQ(driven.lines[0], "Information");
//         winetest::Screenshot("installer-step2");
//         ...
//         EXPECT_EQ(setup.Wait(30000).exitCode, 0);
//     }
//
// ctest runs such tests one at a time, after the fixture test "wine_session_start" has started
// an X server and prepared the Wine prefix (scripts/wine-session.sh). To run a test program by
// hand, start the build's session yourself:
//     scripts/wine-session.sh start build/host/wine-session
//     build/host/tests/wine/smoke/smoke_wine_test --gtest_filter='WineSmoke.*'
//     scripts/wine-session.sh stop build/host/wine-session
// or run `ctest --test-dir build/host -R 'wine_session|WineSmoke'`.
//
// Conventions: paths are host paths (UTF-8 std::string) unless a name says "Windows". A
// harness function that cannot do its job because the environment is wrong (no session, a
// program not built, a tool missing) throws std::runtime_error, which GoogleTest reports as a
// failure with the message; results of the programs under test (exit codes, time-outs, driver
// failures) are returned, never thrown. The few helpers that do a test's own steps for it
// (WriteHostFile, RunTessarkSteps, InstallThroughWizard) fail the running test like an EXPECT or
// ASSERT of its own; wrap one in ASSERT_NO_FATAL_FAILURE where the test must stop there.

#include "tests/wine/harness/host_files.h"
#include "tests/wine/harness/marker_program.h"
#include "tests/wine/harness/pe_imports.h"
#include "tests/wine/harness/prefix_paths.h"
#include "tests/wine/harness/process.h"
#include "tests/wine/harness/installed_product.h"
#include "tests/wine/harness/registry_query.h"
#include "tests/wine/harness/screenshot.h"
#include "tests/wine/harness/session.h"
#include "tests/wine/harness/setup_wizard.h"
#include "tests/wine/harness/tessark_command.h"
#include "tests/wine/harness/text_forms.h"
#include "tests/wine/harness/ui_driver.h"
