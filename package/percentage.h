#pragma once
// The percentage reported with every progress event of packing and extraction.

#include <cstdint>

namespace package {

// `done` input bytes of `total`: 100 for a total of 0, done * 100 / total up to ten million,
// done / (total / 100) above, every division truncating. Computed without overflow, so a
// damaged package whose stream is longer than its table says still gives a defined value.
int32_t Percentage(int64_t done, int32_t total);

}  // namespace package
