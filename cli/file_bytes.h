#pragma once
// Whole files the command holds in memory: an installer program or an .rtf file read, a text
// project and its .rtf files written.

#include <cstddef>
#include <string>
#include <string_view>

#include "os/os.h"

namespace cli {

// Reads all of `path` into `bytes`. False, with a one-line `error` naming the file, when it
// cannot be opened or read or is longer than `limit` bytes.
bool ReadWholeFile(const os::Path& path, size_t limit, std::string* bytes, std::u16string* error);

// Writes `bytes` as the whole of `path`: into a temporary file beside it, which is then moved
// over `path`, so that a failed write leaves any previous file as it was and no temporary file.
// False, with a one-line `error` naming the file, when it cannot be written.
bool WriteWholeFile(const os::Path& path, std::string_view bytes, std::u16string* error);

}  // namespace cli
