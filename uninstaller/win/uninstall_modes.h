#pragma once
// The uninstaller's modes besides its pages: "/?" and the removal without any window.

namespace uninstaller {

// Does what `commandLine` asks when it is not the pages. True, with the exit status, when it
// did; false when the pages are to run.
bool RunWithoutPages(const wchar_t* commandLine, int* exitStatus);

}  // namespace uninstaller
