#include "tests/wine/harness/tessark_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace winetest {

std::string TessarkCommand() {
    const char* variable = std::getenv("TESSARK_CLI");
    const std::string path = variable && *variable ? variable : TESSARK_CLI_DEFAULT;
    if (path.empty() || !std::filesystem::is_regular_file(path)) {
        throw std::runtime_error("the tessark command is not built: " +
                                 (path.empty() ? std::string("this build has none") : path));
    }
    return path;
}

ProcessResult RunTessark(const std::vector<std::string>& args, const std::string& workDir) {
    RunOptions options;
    options.workDir = workDir;
    return RunNative(TessarkCommand(), args, options);
}

void RunTessarkSteps(const std::vector<std::vector<std::string>>& steps,
                     const std::string& workDir) {
    for (const std::vector<std::string>& args : steps) {
        const ProcessResult run = RunTessark(args, workDir);
        std::string words = "tessark";
        for (const std::string& arg : args) words += " " + arg;
        EXPECT_EQ(run.exitCode, 0) << words << ": " << run.out << run.err;
    }
}

}  // namespace winetest
