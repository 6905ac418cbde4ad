#include "widgets/byte_feeder.h"

#include <algorithm>
#include <cstring>

namespace widgets {

size_t ByteFeeder::Read(char* buffer, size_t capacity) {
    if (!buffer) return 0;
    const size_t count = std::min(capacity, bytes_.size() - offset_);
    if (count > 0) std::memcpy(buffer, bytes_.data() + offset_, count);
    offset_ += count;
    return count;
}

}  // namespace widgets
