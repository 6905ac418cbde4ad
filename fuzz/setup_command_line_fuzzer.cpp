// The command lines of a setup and of the uninstaller, from outside (UTF-16 units). Splitting
// into words must agree with quoting: each word quoted by the rules the split follows, and the
// quoted words joined, splits back into the same words. What "/S" accepts holds together: each
// "/MT4" folder is one that Windows can name, written the one way it is kept, and given once.
#include <cstdint>
#include <string>
#include <vector>

#include "base/text.h"
#include "fuzz/fuzz_machine.h"
#include "installer/setup_command_line.h"
#include "base/command_line.h"
#include "package/folder_name.h"
#include "uninstaller/uninstall_command_line.h"

namespace {

// `word` in quotes, so that a program's argument splitting gives it back unchanged: a quote
// becomes backslash and quote, and backslashes before a quote (or before the closing quote)
// are doubled.
std::u16string Quoted(const std::u16string& word) {
    std::u16string quoted = u"\"";
    size_t backslashes = 0;
    for (const char16_t c : word) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"') {
            quoted.append(2 * backslashes + 1, u'\\');
        } else {
            quoted.append(backslashes, u'\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, u'\\');
    return quoted + u"\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string line = fuzz::UnitsOf(data, size);

    const std::vector<std::u16string> words = cmdline::SplitCommandLine(line);
    std::u16string requoted;
    for (const std::u16string& word : words) requoted += Quoted(word) + u" ";
    FUZZ_CHECK(cmdline::SplitCommandLine(requoted) == words);

    using SetupMode = installer::SetupCommandLine::Mode;
    const installer::SetupCommandLine setup = installer::ParseSetupCommandLine(line);
    FUZZ_CHECK((setup.mode == SetupMode::UsageError) == !setup.error.empty());
    if (setup.mode == SetupMode::Unattended) {
        const std::vector<os::Path>& folders = setup.options.metaTraderFolders;
        for (size_t i = 0; i < folders.size(); ++i) {
            // A folder Windows can name, which given again on its own is taken as it is.
            FUZZ_CHECK(package::IsFolderPath(folders[i]));
            const installer::SetupCommandLine again =
                installer::ParseSetupCommandLine(u"/S " + Quoted(u"/MT4=" + folders[i]));
            FUZZ_CHECK(again.mode == SetupMode::Unattended);
            FUZZ_CHECK(again.options.metaTraderFolders == std::vector<os::Path>{folders[i]});
            for (size_t j = 0; j < i; ++j) FUZZ_CHECK(!text::EqualsNoCase(folders[i], folders[j]));
        }
    }

    using UninstallMode = uninstaller::UninstallCommandLine::Mode;
    const uninstaller::UninstallCommandLine removal = uninstaller::ParseUninstallCommandLine(line);
    FUZZ_CHECK((removal.mode == UninstallMode::UsageError) == !removal.error.empty());
    return 0;
}
