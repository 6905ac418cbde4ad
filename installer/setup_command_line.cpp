#include "installer/setup_command_line.h"

#include "base/text.h"
#include "base/command_line.h"
#include "package/folder_name.h"

namespace installer {

using cmdline::GivenSwitch;
using cmdline::HasWord;
using cmdline::ParseSwitches;
using cmdline::SplitCommandLine;
using cmdline::SwitchSpec;

const char kSetupSwitchesText[] =
    "Setup switches:\n"
    "\n"
    "/S\tInstall without showing any window. The license counts as accepted.\n"
    "/MT4=FOLDER\tWith /S: a MetaTrader 4 terminal to install into, by its installation or "
    "data folder; one for each terminal. Without it, every terminal found.\n"
    "/RUN\tWith /S: start the first terminal and the programs to run after installing.\n"
    "/LOG=FILE\tWith /S: write the installation log to FILE (UTF-8).\n"
    "/?\tShow this text.\n"
    "\n"
    "Exit status with /S: 0 installed; 1 wrong command line; 2 a MetaTrader terminal is "
    "running; 3 no MetaTrader folder found; 4 a /MT4 folder is not a MetaTrader folder; "
    "5 the setup file is damaged; 6 a file could not be written.";

namespace {

constexpr char16_t kSilent[] = u"/S";
constexpr char16_t kMetaTrader[] = u"/MT4";
constexpr char16_t kRun[] = u"/RUN";
constexpr char16_t kLog[] = u"/LOG";
constexpr char16_t kHelp[] = u"/?";

// The folder as typed, written the one way it is kept: forward slashes become backslashes,
// a run of backslashes after "X:\" or "\\" becomes one, and what no folder name can end in
// is dropped.
os::Path CleanFolder(std::u16string typed) {
    if (!typed.empty() && typed.back() == u'"') typed.pop_back();
    os::Path folder;
    for (char16_t c : typed) {
        if (c == u'/') c = u'\\';
        if (c == u'\\' && folder.size() >= 3 && folder.back() == u'\\') continue;
        folder += c;
    }
    while (folder.size() > 3 && folder.back() == u'\\') folder.pop_back();
    return folder;
}

}  // namespace

SetupCommandLine ParseSetupCommandLine(std::u16string_view line) {
    SetupCommandLine parsed;
    const std::vector<std::u16string> words = SplitCommandLine(line);
    if (HasWord(words, kHelp)) {
        parsed.mode = SetupCommandLine::Mode::Help;
        return parsed;
    }
    if (!HasWord(words, kSilent)) return parsed;

    parsed.mode = SetupCommandLine::Mode::UsageError;
    std::vector<GivenSwitch> given;
    const std::vector<SwitchSpec> specs = {
        {kSilent, false}, {kMetaTrader, true}, {kRun, false}, {kLog, true}};
    if (!ParseSwitches(words, specs, &given, &parsed.error)) return parsed;

    SetupOptions& options = parsed.options;
    for (const GivenSwitch& item : given) {
        if (std::u16string_view(item.name) == kRun) {
            options.run = true;
        } else if (std::u16string_view(item.name) == kLog) {
            if (!options.logFile.empty()) {
                parsed.error = u"/LOG is given twice";
                return parsed;
            }
            options.logFile = item.value;
        } else if (std::u16string_view(item.name) == kMetaTrader) {
            const os::Path folder = CleanFolder(item.value);
            if (!package::IsFolderPath(folder)) {
                parsed.error =
                    text::Format(u"/MT4 needs a full path, such as C:\\MT4: %s", {item.value});
                return parsed;
            }
            // The same terminal twice would get every file twice and list it twice.
            bool known = false;
            for (const os::Path& earlier : options.metaTraderFolders) {
                known = known || text::EqualsNoCase(earlier, folder);
            }
            if (!known) options.metaTraderFolders.push_back(folder);
        }
    }
    parsed.mode = SetupCommandLine::Mode::Unattended;
    return parsed;
}

}  // namespace installer
