#pragma once
// The uninstaller steps of the installation run on Windows: Uninstall.exe written from the
// installer's resource 256/142, branded with the installer's icon, banner bitmap and the
// product's banner picture, and registered through the native registry.

#include "installer/installation.h"
#include "registry/win/nt_registry.h"

namespace installer {

class WindowsUninstallerSetup : public UninstallerSetup {
  public:
    // `registry` is the step 6 page's registry object.
    explicit WindowsUninstallerSetup(CNtRegistry& registry) : registry_(registry) {}

    void WriteProgram(const os::Path& program) override;
    void Brand(const os::Path& program, const os::Path& bannerFile) override;
    void Register(const os::Path& program, const ProjectStrings& strings,
                  uint32_t installedKilobytes) override;

  private:
    CNtRegistry& registry_;
};

}  // namespace installer
