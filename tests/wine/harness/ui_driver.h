#pragma once
// Running the UI driver (tools/uidriver/uidriver.exe) against the windows on the session's
// screen. Commands are the driver's script lines (tools/uidriver/script.h, or
// `uidriver.exe --help`), e.g. {"window Smoke Test", "settext 1001 Hello", "click 1002",
// "text 1003"}. One Drive() call is one driver run: start several commands at once, each Wine
// start costs time.

#include <string>
#include <vector>

namespace winetest {

struct DriverResult {
    // 0 when every command was done, 1 when one failed or waited in vain, 2 when the driver
    // refused the script; -1 when the driver itself was killed after `timeoutMs`.
    int exitCode = -1;
    bool timedOut = false;
    // What the reading commands printed, one entry per line, as the exact texts (UTF-8).
    std::vector<std::string> lines;
    // The driver's message on failure: the command, why it failed, the windows on screen, and
    // the path of a screenshot taken at that moment.
    std::string error;
    bool ok() const { return exitCode == 0 && !timedOut; }
};

DriverResult Drive(const std::vector<std::string>& commands, int timeoutMs = 120000);

// A text for the end of a driver command that arrives exactly as given, backslashes and line
// breaks included: "settext 1001 " + DriverText(path).
std::string DriverText(const std::string& text);

// The driver's standard output as exact texts, one per line.
std::vector<std::string> ParseDriverOutput(const std::string& out);

// A system folder as our 32-bit programs see it, by the driver's "folder" names
// ("programfiles", "commonprograms", "profile", "temp", ...), as a Windows path.
// Throws for an unknown name.
std::string WindowsFolder(const std::string& name);

}  // namespace winetest
