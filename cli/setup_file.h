#pragma once
// Opening a setup executable's package for list, extract and verify.

#include <string>

#include "os/os.h"
#include "package/self_extractor.h"

namespace cli {

// Reads the package at the end of `path` into `extractor`. Empty on success; otherwise the
// message, which tells a file without a package from one whose package is damaged.
std::u16string ReadSetup(const os::Path& path, CSelfExtractor* extractor);

}  // namespace cli
