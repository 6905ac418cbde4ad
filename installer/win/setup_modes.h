#pragma once
// What the setup does before the wizard: the command line's other modes, and the check of the
// package, shown in a small window when it takes a while.

#include "installer/package_check.h"

namespace installer {

// Does what `commandLine` asks when it is not the wizard: shows the switches ("/?"), refuses a
// wrong "/S" line, or installs without any window. True, with the exit status, when it did;
// false when the wizard is to run.
bool RunWithoutWizard(const wchar_t* commandLine, int* exitStatus);

// CheckPackage with a progress window for a package of kVisibleCheckBytes or more.
PackageCheck CheckPackageShowingProgress(CSelfExtractor& reader);

}  // namespace installer
