#include <gtest/gtest.h>

#include "tests/unit/cli/cli_fixture.h"

namespace {

using HelpTest = CliTest;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(HelpTest, HelpListsEveryCommandAndTheExitStatuses) {
    const CommandOutcome outcome = RunOk({"--help"});
    for (const char* command : {"build", "list", "extract", "verify", "new", "convert", "show",
                                "set", "add", "remove", "entry"}) {
        EXPECT_TRUE(Has(outcome.out, std::string("\n  ") + command + " ")) << command;
    }
    EXPECT_TRUE(Has(outcome.out, "Exit status: 0 success; 1 the command failed"));
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(RunOk({"help"}).out, outcome.out);

    EXPECT_EQ(RunOk({"--version"}).out, "tessark 1.2.9\n");
}

TEST_F(HelpTest, EachCommandExplainsItsArguments) {
    const struct {
        const char* command;
        const char* usage;
    } commands[] = {
        {"build", "Usage: tessark build PROJECT [-o SETUP.exe] [--stub EXTRACTOR.exe]"},
        {"convert", "Usage: tessark convert FROM TO [--force]"},
        {"new", "Usage: tessark new PROJECT.eas|PROJECT.toml [--toml] [--force]"},
        {"extract", "Usage: tessark extract SETUP.exe DIR [INDEX...]"},
        {"set", "Usage: tessark set PROJECT.eas FIELD VALUE"},
        {"entry", "[--only-if-newer yes|no] [--never-uninstall yes|no]"},
    };
    for (const auto& item : commands) {
        const CommandOutcome outcome = RunOk({item.command, "--help"});
        EXPECT_TRUE(Has(outcome.out, item.usage)) << outcome.out;
        // "--help" wins over whatever else is on the line.
        EXPECT_EQ(RunOk({item.command, "x", "--help", "y", "z", "w"}).out, outcome.out);
        EXPECT_EQ(RunOk({"help", item.command}).out, outcome.out);
    }
    EXPECT_TRUE(Has(RunOk({"set", "--help"}).out, "allowExternalImports"));
}

TEST_F(HelpTest, ABadCommandLineGivesOneLineAndStatusTwo) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, "tessark: no command given (see \"tessark --help\")\n"},
        {{"frobnicate"}, "tessark: unknown command frobnicate (see \"tessark --help\")\n"},
        {{"help", "frobnicate"}, "tessark: unknown command frobnicate (see \"tessark --help\")\n"},
        {{"build"}, "tessark build: missing arguments (see \"tessark build --help\")\n"},
        {{"list", "a.exe", "b.exe"},
         "tessark list: too many arguments (see \"tessark list --help\")\n"},
        {{"build", "p.eas", "--fast"},
         "tessark build: unknown option --fast (see \"tessark build --help\")\n"},
        {{"build", "p.eas", "-o"},
         "tessark build: -o needs a value (see \"tessark build --help\")\n"},
        {{"add", "p.eas", "widgets", "a.ex4"},
         "tessark add: unknown category widgets (experts, indicators, scripts, sounds, dlls, "
         "other or 0 to 5) (see \"tessark add --help\")\n"},
    };
    for (const auto& item : cases) {
        const CommandOutcome outcome = Run(item.args);
        EXPECT_EQ(outcome.status, 2) << item.message;
        EXPECT_EQ(outcome.err, item.message);
        EXPECT_EQ(outcome.out, "");
    }
}

}  // namespace
