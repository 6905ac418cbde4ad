#pragma once
// Comparing files byte for byte, in pieces, whatever their size.

#include <string>

namespace bench {

// True when both files exist and hold the same bytes.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace bench
