#pragma once
// A Windows program's command line: what follows the program's name, its words, and its
// switches ("/S", "/LOG=FILE"), shared by the setup and the uninstaller.

#include <string>
#include <string_view>
#include <vector>

namespace cmdline {

// Points into `commandLine` past the program name (quoted or not) and the white space that
// follows it: what a program's WinMain receives as its command line. A quote opened in the
// name and never closed takes the rest of the line.
const char16_t* CommandTail(const char16_t* commandLine);

// The words of a command line as the C runtime splits them for a program's arguments: blanks
// and tabs part words outside quotes; a quote starts or ends a quoted part anywhere in a word
// ("/MT4="C:\Program Files\MT4"" is one word); inside quotes two quotes stand for one; 2n
// backslashes before a quote stand for n, 2n+1 for n and a literal quote; other backslashes
// are literal. `line` is what follows the program's name.
std::vector<std::u16string> SplitCommandLine(std::u16string_view line);

struct SwitchSpec {
    const char16_t* name;  // with its slash, as documented: u"/MT4"
    bool takesValue;       // given as NAME=VALUE
};

struct GivenSwitch {
    const char16_t* name;  // the switch's own spelling, whatever letter case was typed
    std::u16string value;  // empty for a switch without a value
};

// Matches every word against `specs`; names compare without regard to letter case. False,
// with `error` saying which word and why, for a word that is no known switch, a value given to
// a switch that takes none, or a switch without its value.
bool ParseSwitches(const std::vector<std::u16string>& words, const std::vector<SwitchSpec>& specs,
                   std::vector<GivenSwitch>* given, std::u16string* error);

// True when one of `words` is `name`, in any letter case, with no value.
bool HasWord(const std::vector<std::u16string>& words, std::u16string_view name);

}  // namespace cmdline
