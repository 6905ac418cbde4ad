#pragma once
// What every subcommand of tessark shares: exit statuses, messages, and the parsed command line.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Exit statuses, documented in "tessark --help".
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the command was understood but failed
constexpr int kExitUsage = 2;    // the command line is wrong

// One option of a command, such as "-o" (takes a value) or "--force" (does not).
struct OptionSpec {
    const char16_t* name;
    bool takesValue;
};

// A subcommand's arguments after its name.
struct ParsedArguments {
    std::vector<std::u16string> positional;
    std::map<std::u16string, std::u16string> options;  // option name -> value ("" for flags)
    bool help = false;

    bool Has(std::u16string_view option) const { return options.count(std::u16string(option)) > 0; }
    // The option's value, or `fallback` when it was not given.
    std::u16string Value(std::u16string_view option, std::u16string fallback = {}) const;
};

// Splits `args` into positional arguments and the options of `specs`; "--help" and "-h" are
// known to every command, and "--" ends the options. False, with `error` set, for an unknown
// option or an option without its value.
bool ParseArguments(const std::vector<std::u16string>& args, const std::vector<OptionSpec>& specs,
                    ParsedArguments* parsed, std::u16string* error);

// Prints "tessark: <message>" on standard error and returns kExitFailure.
int Fail(std::u16string_view message);
// Prints "tessark COMMAND: <message> (see ...)" on standard error and returns kExitUsage.
int UsageError(std::u16string_view command, std::u16string_view message);
// Prints a line on standard output.
void Print(std::u16string_view line);

// The subcommands. Each gets its parsed arguments, with the number of positional arguments
// already checked against its usage.
int RunBuild(const ParsedArguments& args);
int RunList(const ParsedArguments& args);
int RunExtract(const ParsedArguments& args);
int RunVerify(const ParsedArguments& args);
int RunNew(const ParsedArguments& args);
int RunShow(const ParsedArguments& args);
int RunSet(const ParsedArguments& args);
int RunAdd(const ParsedArguments& args);
int RunRemove(const ParsedArguments& args);
int RunEntry(const ParsedArguments& args);
int RunConvert(const ParsedArguments& args);

// What a command line asks for, worked out without running anything.
struct CommandLine {
    enum class Action {
        Overview,     // "tessark --help"
        Version,      // "tessark --version"
        CommandHelp,  // "tessark help NAME" or "tessark NAME --help"
        Run,          // run `command` with `arguments`
        UsageError,   // the line is wrong: `error` says why (about `command` when it is set)
    };
    Action action = Action::UsageError;
    std::u16string command;  // the command's name, when the line names a known one
    ParsedArguments arguments;
    std::u16string error;
};
// `args` without the program name. For Run, the options are the command's own and the number
// of positional arguments fits its usage.
CommandLine ParseCommandLine(const std::vector<std::u16string>& args);

// The whole command: `args` without the program name. Returns the exit status.
int Run(const std::vector<std::u16string>& args);

}  // namespace cli
