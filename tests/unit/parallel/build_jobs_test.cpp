// tessark build --jobs: the same setup and the same log for any number of jobs.
#include <gtest/gtest.h>

#include "tests/unit/cli/cli_fixture.h"

namespace {

using BuildJobsTest = CliTest;

TEST_F(BuildJobsTest, AnyNumberOfJobsWritesTheSameSetupAndLog) {
    MakeSampleProject();
    // Larger files than the sample's, so that several are compressed at once.
    std::string bytes;
    for (int i = 0; i < 40000; ++i)
        bytes += "double level" + std::to_string(i * 7919 % 1000) + ";\n";
    Write("src/Manual.txt", bytes);
    Write("src/math.dll", "MZ" + bytes.substr(0, 300000));

    const CommandOutcome single = RunOk({"build", "p.eas", "--stub", "stub.exe", "--jobs", "1"});
    const std::string expected = Read("out/Setup.exe");
    for (const char* jobs : {"2", "5"}) {
        const CommandOutcome parallel =
            RunOk({"build", "p.eas", "--stub", "stub.exe", "--jobs", jobs});
        EXPECT_EQ(parallel.out, single.out) << jobs;
        EXPECT_TRUE(Read("out/Setup.exe") == expected) << jobs;
    }
    // Without --jobs: one per processor.
    RunOk({"build", "p.eas", "--stub", "stub.exe"});
    EXPECT_TRUE(Read("out/Setup.exe") == expected);
    EXPECT_TRUE(TemporaryLeftovers().empty());
}

TEST_F(BuildJobsTest, ABadNumberOfJobsIsAUsageError) {
    MakeSampleProject();
    for (const char* jobs : {"0", "65", "two", "", "-1", "99999999999"}) {
        const CommandOutcome outcome =
            Run({"build", "p.eas", "--stub", "stub.exe", "--jobs", jobs});
        EXPECT_EQ(outcome.status, 2) << jobs;
        EXPECT_NE(outcome.err.find("--jobs takes a number from 1 to 64"), std::string::npos)
            << outcome.err;
    }
    EXPECT_FALSE(Exists("out/Setup.exe"));
}

}  // namespace
