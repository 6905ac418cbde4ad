#pragma once
// The machine every fuzz target runs on: a fake machine below a scratch folder of its own,
// confined so that no path, however damaged, maps outside that folder, and wiped for every
// input so that what one input leaves behind cannot change the next run.

#include <cstddef>
#include <cstdint>
#include <string>

#include "os/os.h"

namespace fuzz {

// Empties the machine: the default known folders exist and nothing else, no faults planned.
void FreshMachine();

// Writes `size` bytes to `path` on the machine, creating its folder. False when it cannot.
bool PutFile(const os::Path& path, const void* data, size_t size);

// The bytes of a file on the machine; false when it cannot be read.
bool GetFile(const os::Path& path, std::string* bytes);

// The bytes of an input as UTF-16 units, little-endian; an odd last byte is dropped.
std::u16string UnitsOf(const uint8_t* data, size_t size);

}  // namespace fuzz

// Stops the run as a finding: libFuzzer reports the input that got here.
#define FUZZ_CHECK(condition)                                                  \
    do {                                                                       \
        if (!(condition)) ::fuzz::CheckFailed(#condition, __FILE__, __LINE__); \
    } while (0)

namespace fuzz {
[[noreturn]] void CheckFailed(const char* condition, const char* file, int line);
}  // namespace fuzz
