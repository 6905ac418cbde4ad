#pragma once
// How many files a build compresses at once, and how much memory that may take.

#include <cstdint>

namespace package {

struct PackingLimits {
    // Files compressed at the same time; 1 packs them one after another on the caller's thread.
    int32_t threads = 1;
    // Files being compressed or waiting for their turn in the package, at most.
    int32_t filesInFlight = 1;
    // Compressed bytes a file keeps in memory; past that, a file that waits for its turn
    // continues into a temporary file, and the file being written waits for the writer.
    uint32_t memoryPerFile = 1u << 20;
};

// Limits for `threads` workers: max(8, 2 x threads) files in flight, 1 MiB of memory each, so a
// build's memory is bounded by the number of threads and never depends on a file's size.
inline PackingLimits DefaultPackingLimits(int32_t threads) {
    PackingLimits limits;
    limits.threads = threads < 1 ? 1 : threads;
    limits.filesInFlight = limits.threads * 2 < 8 ? 8 : limits.threads * 2;
    return limits;
}

}  // namespace package
