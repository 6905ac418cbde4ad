#pragma once
// The user profiles of the machine. The installer runs elevated, so the profile of the person
// who started it need not be the current one: what belongs to users is looked for in every
// profile.

#include <vector>

#include "os/os.h"

namespace installer {

// The folders beside the current user's profile folder: every user's profile, plus whatever
// else lives there ("Public" and the like). Empty when the profile folder is unknown.
std::vector<os::Path> ProfileFolders();

// The last component of a folder path ("C:\users\alice" gives "alice").
std::u16string LastComponent(const os::Path& folder);

}  // namespace installer
