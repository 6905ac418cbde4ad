// tessark.exe, the Windows build of the command: the same project gives the same setup, byte
// for byte, as the Linux command gives, for one compressing thread and for several.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/wine/harness/wine_harness.h"

namespace {

namespace fs = std::filesystem;

TEST(WindowsCommand, BuildsTheSetupTheLinuxCommandBuilds) {
    const std::string folder = winetest::ScratchFolder("windows command");
    const std::string examples = winetest::CurrentSession().sourceDir + "/examples";
    fs::copy(examples + "/sample", folder + "/sample", fs::copy_options::recursive);
    fs::copy_file(examples + "/sample.eas", folder + "/sample.eas");
    const std::string project = folder + "/sample.eas";

    const winetest::ProcessResult linux =
        winetest::RunTessark({"build", project, "-o", folder + "/linux.exe"});
    ASSERT_EQ(linux.exitCode, 0) << linux.out << linux.err;
    const std::string expected = winetest::ReadHostFile(folder + "/linux.exe");
    ASSERT_GT(expected.size(), 100000u);

    for (const char* jobs : {"1", "2"}) {
        const std::string setup = folder + "/windows-" + jobs + ".exe";
        const winetest::ProcessResult windows =
            winetest::Run(winetest::WinProgram("cli/tessark.exe"),
                          {"build", winetest::WindowsPath(project), "-o",
                           winetest::WindowsPath(setup), "--jobs", jobs});
        ASSERT_EQ(windows.exitCode, 0) << windows.out << windows.err;
        EXPECT_TRUE(winetest::ReadHostFile(setup) == expected) << "--jobs " << jobs;
    }
}

}  // namespace
