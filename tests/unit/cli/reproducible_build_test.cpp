// The same project and files give the same setup, byte for byte: built from another folder,
// with other file times, later, and with another number of jobs.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/unit/cli/cli_fixture.h"

namespace {

namespace fs = std::filesystem;

using ReproducibleBuildTest = CliTest;

TEST_F(ReproducibleBuildTest, TwoCopiesOfAProjectBuildTheSameSetup) {
    Write("one/src/Cross.ex4", std::string(300000, 'e'));  // large enough to be split in jobs
    Write("one/src/Bands.mq4", "indicator source");
    Write("one/src/Manual.txt", std::string(70000, 'm'));
    Write("one/art/setup.ico", "icon placeholder");
    Write("one/texts/license.rtf", "{\\rtf1\\ansi License.\\par}");
    Write("one/p.toml",
          "[product]\nname = \"Moving Cross\"\nversion = \"2.1.0.7\"\n"
          "[texts]\nlicense = \"texts/license.rtf\"\nreadme.text = \"Read me.\"\n"
          "[files]\nexperts = [\"src/Cross.ex4\"]\nindicators = ['src\\Bands.mq4']\n"
          "[[files.other]]\nfile = \"src/Manual.txt\"\nshortcut = \"Manual\"\n"
          "[setup]\nicon = \"art/setup.ico\"\ntarget = \"Setup.exe\"\n");
    Write("stub.exe", std::string("MZ stand-in installer\0\0", 23));
    fs::create_directories(Path("two/deeper"));
    fs::copy(Path("one"), Path("two/deeper/copy"), fs::copy_options::recursive);
    // The copy's files are years older than the originals.
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 5);
    for (const auto& entry : fs::recursive_directory_iterator(Path("two"))) {
        fs::last_write_time(entry.path(), old);
    }

    // The original from its own folder, one job; the copy by its full path from elsewhere,
    // a moment later, three jobs.
    RunOk({"build", "p.toml", "--jobs", "1", "--stub", "../stub.exe"}, "one");
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    RunOk({"build", Path("two/deeper/copy/p.toml"), "--jobs", "3", "--stub", Path("stub.exe")},
          "two");
    const std::string first = Read("one/Setup.exe");
    ASSERT_GT(first.size(), 1000u);
    EXPECT_EQ(Read("two/deeper/copy/Setup.exe"), first);

    // The same project as a .eas file, built from yet another folder.
    RunOk({"convert", "one/p.toml", "three/p.eas"});
    RunOk({"build", "three/p.eas", "-o", "three.exe", "--jobs", "2", "--stub", "stub.exe"});
    EXPECT_EQ(Read("three.exe"), first);
}

}  // namespace
