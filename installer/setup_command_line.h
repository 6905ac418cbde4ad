#pragma once
// The setup's command line. Without "/S" (or "/?") the wizard runs and the line is not looked
// at, as it never was; "/S" runs the installation without any window.

#include <string>
#include <string_view>
#include <vector>

#include "os/os.h"

namespace installer {

struct SetupOptions {
    std::vector<os::Path> metaTraderFolders;  // "/MT4=FOLDER", in the order given, each once
    bool run = false;                         // "/RUN": start what Finish would
    os::Path logFile;                         // "/LOG=FILE": the log lines, in UTF-8
};

struct SetupCommandLine {
    enum class Mode {
        Wizard,      // no "/S": the pages, as always
        Help,        // "/?": the switches in a message box
        Unattended,  // "/S" with switches that hold together
        UsageError,  // "/S" with a switch that does not: `error` says why
    };
    Mode mode = Mode::Wizard;
    SetupOptions options;
    std::u16string error;
};

// `line` is what follows the program's name. A folder keeps its letters; forward slashes
// become backslashes, doubled ones single, trailing ones are dropped ("C:/MT4//" is "C:\MT4",
// but "C:\" stays), and so is a stray quote that the command line's own rules leave at the end
// of "/MT4="C:\MT4\"". What is left must be a full path to a folder that Windows can name
// (package::IsFolderPath): "X:\..." or "\\server\...", without * ? < > | " or a control
// character, and with no ":" but the drive's.
SetupCommandLine ParseSetupCommandLine(std::u16string_view line);

// What "/?" shows in English. ASCII, half the bytes of UTF-16 in the setup program; widened
// when shown.
extern const char kSetupSwitchesText[];
// The caption of the setup's message boxes shown before any page.
inline constexpr char16_t kSetupCaption[] = u"Setup";

}  // namespace installer
