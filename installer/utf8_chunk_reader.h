#pragma once
// Hands a text to a rich-edit stream-in callback: the control asks for chunks of a size of its
// choosing, and each request gets the next part of the text's UTF-8 bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace installer {

class Utf8ChunkReader {
  public:
    explicit Utf8ChunkReader(std::u16string_view text);

    // Copies the next bytes, at most `capacity`, into `buffer` and returns how many. Every byte
    // is handed out exactly once, in order; 0 means the text is exhausted. A chunk may end
    // inside a character's byte sequence: the control reassembles the byte stream.
    uint32_t Next(void* buffer, int64_t capacity);

    bool AtEnd() const { return position_ == bytes_.size(); }
    size_t TotalBytes() const { return bytes_.size(); }

  private:
    std::string bytes_;
    size_t position_ = 0;
};

}  // namespace installer
