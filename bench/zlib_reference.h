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

// The two as programs of their own, so that they are measured as tessark is (a fresh process,
// through the launcher). The places file has a line "offset size inflated name" per stream.
//   tessark-bench --deflate-reference OUTPUT PLACES FILE...
//   tessark-bench --inflate-reference PACKAGE PLACES FOLDER
// Each returns the exit status: 0 on success.
int DeflateReferenceMain(int argc, char** argv);
int InflateReferenceMain(int argc, char** argv);

// The places file's streams and names; false when it cannot be read.
bool ReadPlaces(const std::string& path, std::vector<StreamPlace>* streams,
                std::vector<std::string>* names);

}  // namespace bench
