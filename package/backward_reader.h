#pragma once
// Reads a package trailer from the end of a file towards its start. Every read is checked
// against the file's length, so damaged counts can never make it read outside the file.

#include <cstdint>
#include <string>

#include "os/os.h"

namespace package {

class BackwardReader {
  public:
    // `file` must stay open while the reader is used. Reading starts at `end` (the file's
    // length when negative), so that a reader can skip what was appended after the data.
    explicit BackwardReader(os::File& file, int64_t end = -1);

    // False when the file's length cannot be had.
    bool IsUsable() const { return size_ >= 0; }

    // Reads the `size` bytes that end where the previous read began (`end` for the first).
    // False, with nothing consumed, when they would start before the file.
    bool ReadBytes(void* buffer, uint32_t size);
    bool ReadI32(int32_t* value);
    // A counted text: its int32 unit count, then the units in front of it. False when the
    // count is negative or above the format's limit, or the units lie before the file.
    bool ReadText(std::u16string* text);

    // Bytes consumed so far, counted back from `end`.
    int64_t Distance() const { return distance_; }
    // Where reading started: the end of the data.
    int64_t FileSize() const { return size_; }

  private:
    os::File& file_;
    int64_t size_;
    int64_t distance_ = 0;
};

}  // namespace package
