#pragma once
// What the files of the fake machine share among themselves; not for use outside os/posix.

#include "os/posix/fake_machine.h"

namespace os::fake::internal {

// Counts one call of `operation` and says whether the fault plan makes this call fail; when
// it does, errno is set to EIO so that LastErrorMessage has something to say.
bool CountCallAndCheckFault(Operation operation);

// Fills the known-folder table with the defaults; `rootSet` chooses a fake or a host Temp.
void ResetKnownFolders(bool rootSet);
// Creates the default known folders below the root (a fresh machine has them).
void CreateDefaultFolders();

// Creates every missing level of a host folder; with `countCalls` each level made is one
// CreateFolder call of the fault plan.
bool CreateHostFolderTree(const std::string& hostFolder, bool countCalls);

}  // namespace os::fake::internal
