#include "tests/wine/harness/ui_driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "tests/wine/harness/prefix_paths.h"
#include "tests/wine/harness/process.h"
#include "tests/wine/harness/screenshot.h"
#include "tests/wine/harness/session.h"
#include "tools/uidriver/script.h"

namespace winetest {

namespace {

// Longer command lists go through a script file rather than the command line.
constexpr size_t kCommandLineBudget = 24000;

std::string FailureShotName() {
    static int count = 0;
    std::string name = "driver-failure-" + std::to_string(++count);
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name = std::string(info->test_suite_name()) + "." + info->name() + "-" + name;
    }
    return name;
}

}  // namespace

std::vector<std::string> ParseDriverOutput(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(uidriver::UnescapeTextUtf8(line));
    }
    return lines;
}

std::string DriverText(const std::string& text) {
    return uidriver::EscapeText(text);
}

DriverResult Drive(const std::vector<std::string>& commands, int timeoutMs,
                   const std::vector<std::string>& env) {
    const std::string driver = WinProgram("tools/uidriver/uidriver.exe");
    size_t length = 0;
    for (const std::string& command : commands) length += command.size() + 3;

    std::vector<std::string> args;
    if (length > kCommandLineBudget) {
        static int scripts = 0;
        std::string path =
            CurrentSession().folder + "/driver-script-" + std::to_string(++scripts) + ".txt";
        std::ofstream script(path, std::ios::binary | std::ios::trunc);
        for (const std::string& command : commands) script << command << "\n";
        script.close();
        if (!script) throw std::runtime_error("cannot write the driver script " + path);
        args = {"-f", WindowsPath(path)};
    } else {
        args = commands;
    }

    RunOptions options{timeoutMs};
    options.env = env;
    ProcessResult run = Run(driver, args, options);
    DriverResult result;
    result.exitCode = run.exitCode;
    result.timedOut = run.timedOut;
    result.lines = ParseDriverOutput(run.out);
    result.error = run.err;
    if (run.timedOut) {
        result.error += "uidriver did not finish within " + std::to_string(timeoutMs) + " ms\n";
    }
    if (!result.ok()) {
        try {
            result.error += "screen: " + Screenshot(FailureShotName()) + "\n";
        } catch (const std::exception& e) {
            result.error += std::string("no screenshot: ") + e.what() + "\n";
        }
    }
    return result;
}

std::string WindowsFolder(const std::string& name) {
    static std::map<std::string, std::string> known;
    auto found = known.find(name);
    if (found != known.end()) return found->second;
    DriverResult result = Drive({"folder " + name}, 60000);
    if (!result.ok() || result.lines.size() != 1) {
        throw std::runtime_error("no system folder \"" + name + "\": " + result.error);
    }
    return known[name] = result.lines[0];
}

}  // namespace winetest
