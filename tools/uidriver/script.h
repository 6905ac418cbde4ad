#pragma once
// The UI driver's script language, shared by the driver (which runs it) and the Wine test
// harness (which writes it and reads what the driver prints).
//
// A script is a list of commands, one per line: a command name, its numeric arguments
// separated by blanks, and for some commands a text that runs to the end of the line:
//
//   window Smoke Test          wait for a window whose title contains "Smoke Test"
//   settext 1001 Hello, wine   set control 1001's text to "Hello, wine"
//   item 1004 2                print row 2 of list 1004
//
// Texts are taken literally except for four escapes: "\\" (one backslash), "\n", "\r" and
// "\t". Any other backslash stays as it is, so "C:\Program Files" may be written plainly; a
// text that must arrive exactly (one holding "\n" or "\\" literally) goes through
// EscapeText(). The driver prints each read as one line escaped the same way, strictly (every
// backslash doubled), so UnescapeText() gives back the exact text.

#include <string>
#include <string_view>
#include <vector>

namespace uidriver {

enum class TextArgument { None, Optional, Required };

struct CommandSpec {
    const char* name;
    // One letter per numeric argument: 'i' a control identifier (-1 to 65535; -1 is the
    // unnamed 65535), 'n' an index (0 or more), 'm' milliseconds (0 to 600000), 's' a
    // signed count (-100 to 100).
    const char* numbers;
    TextArgument text;
    const char* usage;
    const char* help;
};

// Every command, in the order the help lists them.
const std::vector<CommandSpec>& Commands();
// nullptr when there is no such command.
const CommandSpec* FindCommand(std::string_view name);

struct Command {
    const CommandSpec* definition = nullptr;
    std::vector<long> numbers;
    std::u16string text;  // unescaped; empty when the command has no text
    std::string source;   // the line as written, for messages
};

// Parses one command line. On failure returns false and sets `error`.
bool ParseCommand(std::string_view line, Command* command, std::string* error);

// Parses a script: one command per line (LF or CR LF); blank lines and lines whose first
// non-blank character is '#' are skipped. On failure `error` names the line.
bool ParseScript(std::string_view script, std::vector<Command>* commands, std::string* error);

// UTF-8 text in the escaped form above, every backslash doubled.
std::string EscapeText(std::string_view utf8);
std::string EscapeText(std::u16string_view text);
// The escaped form (UTF-8) back to the text.
std::u16string UnescapeText(std::string_view escaped);
std::string UnescapeTextUtf8(std::string_view escaped);

}  // namespace uidriver
