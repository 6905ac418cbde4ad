#pragma once
// Reading a whole file the command needs in memory: an installer program or an .rtf file.

#include <cstddef>
#include <string>

#include "os/os.h"

namespace cli {

// Reads all of `path` into `bytes`. False, with a one-line `error` naming the file, when it
// cannot be opened or read or is longer than `limit` bytes.
bool ReadWholeFile(const os::Path& path, size_t limit, std::string* bytes, std::u16string* error);

}  // namespace cli
