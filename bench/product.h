#pragma once
// The product the benchmark builds: about 30 MB of sources, compiled programs, libraries,
// sounds and data files in the six file categories of a project, no file above a tenth of the
// whole, and separately one large file streamed to disk.

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ProductFile {
    std::string category;  // as "tessark add" names it: experts, indicators, ... other
    std::string path;      // where the generator wrote it
    std::string name;      // its file name
    uint64_t size = 0;
};

struct Product {
    std::vector<ProductFile> files;  // in category order, as the project lists them
    uint64_t totalBytes = 0;
};

// Writes the product's files into `folder` (which must exist). False when a file cannot be
// written.
bool GenerateProduct(const std::string& folder, Product* product);

// Streams `size` bytes of library-like content into `path`, a few megabytes at a time.
bool WriteLargeFile(const std::string& path, uint64_t size);

// The folder below MetaTrader's (or below the product folder for "other") that a category's
// files go to.
std::string InstallSubfolder(const std::string& category);

}  // namespace bench
