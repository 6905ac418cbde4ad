#include "cli/command.h"

#include "base/text.h"
#include "cli/console.h"

namespace cli {

std::u16string ParsedArguments::Value(std::u16string_view option, std::u16string fallback) const {
    const auto found = options.find(std::u16string(option));
    return found == options.end() ? fallback : found->second;
}

bool ParseArguments(const std::vector<std::u16string>& args, const std::vector<OptionSpec>& specs,
                    ParsedArguments* parsed, std::u16string* error) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != u'-') {
            parsed->positional.push_back(arg);
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        if (arg == u"--help" || arg == u"-h") {
            parsed->help = true;
            continue;
        }
        const OptionSpec* known = nullptr;
        for (const OptionSpec& candidate : specs) {
            if (arg == candidate.name) known = &candidate;
        }
        if (known == nullptr) {
            *error = text::Format(u"unknown option %s", {arg});
            return false;
        }
        std::u16string value;
        if (known->takesValue) {
            if (i + 1 >= args.size()) {
                *error = text::Format(u"%s needs a value", {arg});
                return false;
            }
            value = args[++i];
        }
        parsed->options[arg] = value;
    }
    return true;
}

int Fail(std::u16string_view message) {
    console::Err(u"tessark: " + std::u16string(message) + u"\n");
    return kExitFailure;
}

int UsageError(std::u16string_view command, std::u16string_view message) {
    const std::u16string name(command);
    console::Err(
        text::Format(u"tessark %s: %s (see \"tessark %s --help\")\n", {name, message, name}));
    return kExitUsage;
}

void Print(std::u16string_view line) {
    console::Out(std::u16string(line) + u"\n");
}

}  // namespace cli
