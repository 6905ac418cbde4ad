#pragma once
// How large a setup executable gets. Offsets and sizes in a package are signed 32-bit, so a
// setup must stay below 2^31 bytes; the build checks the bound before it writes anything.

#include <cstdint>

#include "package/self_extractor.h"

namespace build {

constexpr int64_t kMaxSetupBytes = INT32_MAX;

// The exact length of the trailer the extractor's table, strings and options make.
int64_t TrailerSize(const CSelfExtractor& extractor);

// An upper bound of the setup's length: the stub, zlib's bound for each record's stream (deflate
// at level 6 never exceeds it) and the trailer.
int64_t SetupSizeBound(const CSelfExtractor& extractor, uint32_t stubSize);

}  // namespace build
