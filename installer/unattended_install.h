#pragma once
// The installation without any window ("setup.exe /S"): the package checked, the MetaTrader
// folders taken from the command line or found below Program Files, then the same run as step
// 6, and at the end what Finish would start when "/RUN" asks for it. Nothing is shown; the exit
// status says how it went and "/LOG=FILE" keeps the log lines.

#include <string>

#include "installer/installation.h"
#include "installer/setup_command_line.h"

namespace installer {

// Exit statuses of the setup run with "/S".
enum UnattendedStatus : int {
    kInstalled = 0,
    kWrongCommandLine = 1,
    kTerminalRunning = 2,      // a MetaTrader terminal runs; nothing was installed
    kNoMetaTraderFolder = 3,   // none given and none found; nothing was installed
    kNotMetaTraderFolder = 4,  // a /MT4 folder fails the folder test; nothing was installed
    kDamagedSetup = 5,         // no package, or a damaged one; nothing was installed
    kWriteFailed = 6,          // a file (or the log) could not be written
};

// Log lines of what ends an unattended installation early.
inline constexpr char16_t kTerminalRunningLine[] =
    u"A MetaTrader terminal is running. Close it and start the setup again; nothing was "
    u"installed.";
inline constexpr char16_t kNoMetaTraderFolderLine[] =
    u"No MetaTrader 4 terminal was found; nothing was installed.";
// "<folder> is no MetaTrader 4 terminal's folder ..."
std::u16string NotMetaTraderFolderLine(const os::Path& folder);

// Installs the package at `session`'s module path. Returns the exit status.
int RunUnattendedInstall(const SetupOptions& options, InstallSession& session,
                         UninstallerSetup& uninstaller);

}  // namespace installer
