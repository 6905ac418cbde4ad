#pragma once
// The product's banner picture, which the installer stores in this program as resource type
// 235, identifier 135 (the bytes of the setup's banner file).

#include "os/os.h"

namespace uninstaller {

// Writes the stored picture to the temporary folder's "banner.jpg", through a temporary file
// beside it so that a page never paints a half-written picture, and sets `*written` to that
// path. `*written` is left as it was when the program carries no picture or it cannot be
// written.
void WriteBannerPicture(os::Path* written);

}  // namespace uninstaller
