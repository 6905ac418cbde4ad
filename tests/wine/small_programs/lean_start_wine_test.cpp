// The program start of the small programs under Wine: what wWinMain is given, static
// construction and destruction, atexit, and the exit code.

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/harness/wine_harness.h"

namespace {

const char* const kProbe = "tests/wine/small_programs/start_probe.exe";

TEST(LeanStart, GivesWinMainTheArgumentsAndEndsWithItsResult) {
    const winetest::ProcessResult result =
        winetest::Run(winetest::WinProgram(kProbe), {"/S", "two words", "--exit", "5"});
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 5) << result.err;
    EXPECT_EQ(result.out,
              "tail=/S \"two words\" --exit 5\n"
              "constructed\n"
              "instance\n"
              "show=10\n"
              "grown=25500\n"
              // atexit functions run last-registered first: the program's own, then the
              // static destructors that construction registered.
              "atexit\n"
              "destroyed\n");
}

TEST(LeanStart, WithoutArgumentsTheTailIsEmpty) {
    const winetest::ProcessResult result = winetest::Run(winetest::WinProgram(kProbe));
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 37) << result.err;
    EXPECT_EQ(result.out.rfind("tail=\nconstructed\n", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("\natexit\ndestroyed\n"), std::string::npos) << result.out;
}

}  // namespace
