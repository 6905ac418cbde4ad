#pragma once
// The installation run: every packaged file into its place, then the uninstaller program, its
// Start Menu shortcut, its branding and registration, and the MetaTrader expert options. Step 6
// runs it on a worker thread; an unattended mode can run it as it is.

#include <cstdint>
#include <string>

#include "installer/install_session.h"
#include "os/os.h"
#include "package/project_strings.h"

namespace installer {

// What the run reports as it goes. Called on the run's thread.
class InstallationObserver {
  public:
    virtual ~InstallationObserver() = default;
    // One packaged file is in place (once per record, however many terminals got it).
    virtual void FileInstalled() = 0;
    // One line for the installation log, as it stands ("Copying x...\r\n", "Done.").
    virtual void LogLine(const std::u16string& line) = 0;
};

// The steps of the run that need the real system: the uninstaller program that the installer
// carries, its resources and the registry. Failures are not reported; the run goes on.
class UninstallerSetup {
  public:
    virtual ~UninstallerSetup() = default;
    // Writes the uninstaller program to `program`, replacing any earlier one.
    virtual void WriteProgram(const os::Path& program) = 0;
    // Gives the uninstaller the installer's icon and banner bitmap, and the banner picture
    // file's bytes when `bannerFile` is not empty.
    virtual void Brand(const os::Path& program, const os::Path& bannerFile) = 0;
    // Records the installation among the system's installed programs. `installedKilobytes`
    // is what the installed files take, the uninstaller included.
    virtual void Register(const os::Path& program, const ProjectStrings& strings,
                          uint32_t installedKilobytes) = 0;
};

// The product's folder below Program Files (created if missing).
os::Path ProductFolderOf(const ProjectStrings& strings);

// Kilobytes, rounded up, of `bytes` (at most what 32 bits hold).
uint32_t KilobytesOf(uint64_t bytes);

// Runs the installation for `session` (its package, chosen folders and temporary folder) and
// fills its post-execute lists. Returns the extraction's result code: after anything but SFX_OK
// the files already written stay, and nothing after the extraction is done.
int32_t RunInstallation(InstallSession& session, InstallationObserver& observer,
                        UninstallerSetup& uninstaller);

}  // namespace installer
