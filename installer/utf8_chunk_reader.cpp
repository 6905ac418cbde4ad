#include "installer/utf8_chunk_reader.h"

#include <cstring>

#include "base/text.h"

namespace installer {

Utf8ChunkReader::Utf8ChunkReader(std::u16string_view text) : bytes_(text::ToUtf8(text)) {}

uint32_t Utf8ChunkReader::Next(void* buffer, int64_t capacity) {
    if (capacity <= 0 || buffer == nullptr) return 0;
    const size_t left = bytes_.size() - position_;
    size_t count = static_cast<uint64_t>(capacity) < left ? static_cast<size_t>(capacity) : left;
    if (count > UINT32_MAX) count = UINT32_MAX;
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return static_cast<uint32_t>(count);
}

}  // namespace installer
