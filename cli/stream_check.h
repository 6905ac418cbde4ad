#pragma once
// Checking one packaged file without writing it anywhere: its stream must be one whole zlib
// stream of exactly `compressedSize` bytes that inflates to `uncompressedSize` bytes with a
// matching Adler-32.

#include <string>

#include "os/os.h"
#include "package/file_record.h"

namespace cli {

// Empty when the record's stream is sound; otherwise what is wrong with it.
std::u16string CheckStream(os::File& package, const FileRecord& record);

}  // namespace cli
