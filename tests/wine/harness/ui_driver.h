#pragma once
// Running the UI driver (tools/uidriver/uidriver.exe) against the windows on the session's
// screen. Commands are the driver's script lines, e.g. {"window Smoke Test",
// "settext 1001 Hello", "click 1002", "text 1003"}; the full list with what each does is the
// table in tools/uidriver/script.cpp (or `uidriver.exe --help`). One Drive() call is one
// driver run: give it several commands at once, each Wine start costs time.
//
// Habits that keep tests steady:
// - Wait, never sleep: "window", "msgbox", "waitenabled", "waittext" and "waitclosed" poll
//   until their condition holds (10 s, or what "timeout MS" set).
// - A click that ends a page returns at once; when the next window's title could match the old
//   one, "waitclosed" before the next "window".
// - "tick" sets a list-view tick box through the list's state (the list tells its parent);
//   "clickrow" clicks the row with the real mouse, for pages that act on the click itself.
// - Texts are literal except the escapes of a backslash followed by n, r, t or a backslash;
//   pass any text that must arrive exactly (a path, a line break) through DriverText().

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

// `env` gives the driver further "NAME=value" entries, such as the language of the program it
// drives (LANG), in which it then measures texts and reads its command line.
DriverResult Drive(const std::vector<std::string>& commands, int timeoutMs = 120000,
                   const std::vector<std::string>& env = {});

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
