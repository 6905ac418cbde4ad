// Every program of the cross build must start on a clean Windows: it may import system DLLs
// only, never the compiler's runtime or zlib as DLLs.

#include <gtest/gtest.h>

#include "tests/wine/harness/wine_harness.h"

namespace {

TEST(CrossBuild, EveryProgramImportsOnlySystemDlls) {
    std::vector<std::string> programs = winetest::CrossBuiltPrograms();
    ASSERT_FALSE(programs.empty()) << "no .exe in " << winetest::CurrentSession().winBuildDir;
    bool sawDriver = false;
    for (const std::string& program : programs) {
        if (program.find("uidriver.exe") != std::string::npos) sawDriver = true;
        EXPECT_FALSE(winetest::ImportedDlls(program).empty()) << program;
        std::vector<std::string> foreign = winetest::NonSystemImports(program);
        std::string names;
        for (const std::string& dll : foreign) names += " " + dll;
        EXPECT_TRUE(foreign.empty()) << program << " imports" << names;
    }
    EXPECT_TRUE(sawDriver);
}

}  // namespace
