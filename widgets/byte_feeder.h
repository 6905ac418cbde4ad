#pragma once
// Hands a byte string to a reader that asks for it in pieces, as a rich edit control does when
// text is streamed in: every piece fits the buffer the reader offers, every byte goes out
// exactly once and in order, and a read after the last byte gets nothing.

#include <cstddef>
#include <string>

namespace widgets {

class ByteFeeder {
  public:
    explicit ByteFeeder(std::string bytes) : bytes_(std::move(bytes)) {}

    // Copies up to `capacity` bytes into `buffer`; returns how many, 0 once all were given.
    size_t Read(char* buffer, size_t capacity);
    bool done() const { return offset_ == bytes_.size(); }

  private:
    std::string bytes_;
    size_t offset_ = 0;
};

}  // namespace widgets
