#pragma once
// The ceiling a sequential writer of the package format can reach: plain zlib at level 6 with
// the library's defaults, every file read and every stream written through 4096-byte buffers,
// with nothing else around it. And the same for plain inflate.

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct StreamPlace {
    uint64_t offset = 0;
    uint64_t size = 0;      // the stream's length
    uint64_t inflated = 0;  // the file's length
};

// Deflates each of `files` into `output`, the streams back to back. False on any error.
bool DeflateFiles(const std::vector<std::string>& files, const std::string& output,
                  std::vector<StreamPlace>* streams);

// Inflates each stream of `package` into `folder`/`names[i]`. False on any error, or when a
// stream does not end where its place says or inflates to another length.
bool InflateStreams(const std::string& package, const std::vector<StreamPlace>& streams,
                    const std::vector<std::string>& names, const std::string& folder);

}  // namespace bench
