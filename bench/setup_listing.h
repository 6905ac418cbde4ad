#pragma once
// The file table of a setup, as "tessark list" prints it.

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ListedFile {
    std::string name;
    uint64_t size = 0;
    uint64_t packed = 0;
    uint64_t offset = 0;
};

// Runs `tessark list setup` and reads its file rows. False when it fails or prints no table.
bool ListSetup(const std::string& tessark, const std::string& setup, const std::string& scratch,
               std::vector<ListedFile>* files);

}  // namespace bench
