#pragma once
// The product's banner picture, which the installer stores in this program as resource type
// 235, identifier 135 (the bytes of the setup's banner file).

#include "os/os.h"

namespace uninstaller {

// The temporary folder's "banner.jpg".
os::Path BannerPicturePath();

// Writes the stored picture to `file`, through a temporary file beside it so that a page never
// paints a half-written picture. False, and `file` untouched, when the program carries no
// picture or it cannot be written.
bool WriteBannerPicture(const os::Path& file);

}  // namespace uninstaller
