#pragma once
// What "tessark verify" says about one packaged file's stream.

#include <string>

#include "os/os.h"
#include "package/file_record.h"
#include "package/stream_inflate.h"

namespace cli {

// Empty for a sound stream; otherwise what is wrong with it, in words.
std::u16string StreamProblem(package::StreamState state, const FileRecord& record);

// Checks `record`'s stream in `package` the way the package engine does before installing
// (one whole zlib stream of exactly its stored sizes) and says what is wrong with it.
std::u16string CheckStream(os::File& package, const FileRecord& record);

}  // namespace cli
