#pragma once
// The uninstaller's command line: "/S" removes the product without any window, "/?" shows the
// switches; anything else runs the pages, as it always has.

#include <string>
#include <string_view>

namespace uninstaller {

struct UninstallCommandLine {
    enum class Mode {
        Wizard,
        Help,
        Unattended,
        UsageError,  // "/S" with something else: `error` says what
    };
    Mode mode = Mode::Wizard;
    std::u16string error;
};

// `line` is what follows the program's name.
UninstallCommandLine ParseUninstallCommandLine(std::u16string_view line);

// What "/?" shows in English. ASCII, half the bytes of UTF-16 in the uninstaller; widened when
// shown.
extern const char kUninstallSwitchesText[];

}  // namespace uninstaller
