#pragma once
// The installer's one state record, shared by the wizard pages and the installation run.
// Only one thread touches it at a time: the pages on the user-interface thread, the run on its
// own thread while step 6 keeps every way off the page disabled.

#include <cstdint>
#include <string>
#include <vector>

#include "installer/terminal_target.h"
#include "os/os.h"
#include "package/self_extractor.h"

namespace installer {

// The package's leading entries, at fixed indices: what the pages show before installing.
constexpr int32_t kIconEntry = 0;
constexpr int32_t kBannerEntry = 1;
constexpr int32_t kLicenseEntry = 2;
constexpr int32_t kReadmeEntry = 3;
constexpr int32_t kWhatsNewEntry = 4;

struct InstallSession {
    // The package of the running setup; its strings and table are what every page shows.
    CSelfExtractor packageReader;
    // Names of the leading entries as extracted into the temporary folder; empty when the
    // package could not be read.
    std::u16string iconFileName;
    std::u16string bannerFileName;
    std::u16string licenseFileName;
    std::u16string readmeFileName;
    std::u16string whatsNewFileName;
    // The user's temporary folder, ending in a backslash.
    os::Path temporaryFolder;

    std::u16string windowTitle;  // the caption last set by a page
    bool movingForward = true;   // the page shown was reached with Next

    std::vector<TerminalTarget> chosenTerminals;  // the terminals ticked on step 4, in row order
    // Programs to start at Finish, with their command-line parameters (same order).
    std::vector<os::Path> postExecutePaths;
    std::vector<std::u16string> postExecuteParameters;

    // The temporary file of a leading entry's name; empty for an empty name.
    os::Path TemporaryFile(const std::u16string& name) const;
};

// Extracts the leading entries (what's new, readme, license, banner, icon, in that order) into
// the user's temporary folder and notes their names. A setup without a readable package leaves
// every name empty; nothing is reported (the installation run reports it).
void OpenPackage(InstallSession* session);

}  // namespace installer
