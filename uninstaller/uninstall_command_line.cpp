#include "uninstaller/uninstall_command_line.h"

#include <vector>

#include "base/text.h"
#include "base/command_line.h"

namespace uninstaller {

const char kUninstallSwitchesText[] =
    "Uninstall switches:\n"
    "\n"
    "/S\tRemove the product without showing any window.\n"
    "/?\tShow this text.\n"
    "\n"
    "Exit status with /S: 0 removed; 1 wrong command line; 2 a MetaTrader terminal is running; "
    "3 the product's uninstall information is missing or damaged, nothing was removed; "
    "4 some files or folders could not be removed.";

UninstallCommandLine ParseUninstallCommandLine(std::u16string_view line) {
    UninstallCommandLine parsed;
    const std::vector<std::u16string> words = cmdline::SplitCommandLine(line);
    if (cmdline::HasWord(words, u"/?")) {
        parsed.mode = UninstallCommandLine::Mode::Help;
        return parsed;
    }
    if (!cmdline::HasWord(words, u"/S")) return parsed;
    // "/S" is the only switch there is.
    parsed.mode = UninstallCommandLine::Mode::Unattended;
    for (const std::u16string& word : words) {
        if (!text::EqualsNoCase(word, u"/S")) {
            parsed.mode = UninstallCommandLine::Mode::UsageError;
            parsed.error = u"unknown switch " + word;
            break;
        }
    }
    return parsed;
}

}  // namespace uninstaller
