#pragma once
// The installer program: no main window, only the eight wizard pages one after the other.
// The process ends when the wizard does.

#include <cstdint>
#include <memory>

#include "installer/install_session.h"

namespace installer {

class CExtractorApp {
  public:
    CExtractorApp();
    ~CExtractorApp();
    CExtractorApp(const CExtractorApp&) = delete;
    CExtractorApp& operator=(const CExtractorApp&) = delete;

    // Prepares the controls the pages use and runs the wizard to its end, unless the command
    // line (what follows the program's name) asks for another mode. Returns the exit status.
    int Run(const wchar_t* commandLine);

  private:
    // Creates the page of `step` afresh, shows it modally and returns how it ended.
    int32_t ShowStep(int step, bool movingForward);

    std::unique_ptr<InstallSession> session_;
};

}  // namespace installer
