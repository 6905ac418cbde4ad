#pragma once
// Whole files through the seam: reading one into memory, and writing one so that it is never
// left half-written. Every reader and writer of a small file uses these two.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "os/os.h"

namespace os {

// Reads the whole file into `*bytes`. False when it cannot be opened or read, or holds more
// than `limit` bytes (a bound for files from outside).
bool ReadWholeFile(const Path& path, size_t limit, std::vector<uint8_t>* bytes);

// Writes `size` bytes as the new content of `path`: they go to "<path>.tmp" beside it, which
// replaces `path` only once everything was written and flushed; otherwise the temporary file is
// deleted and `path` stays as it was, and LastErrorMessage tells why. (Not named
// ReplaceFile: <windows.h> makes that name a macro.)
bool WriteWholeFile(const Path& path, const void* data, uint32_t size);

}  // namespace os
