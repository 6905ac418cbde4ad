#include "package/backward_reader.h"

#include "base/le.h"
#include "package/format.h"

namespace package {

BackwardReader::BackwardReader(os::File& file, int64_t end)
    : file_(file), size_(end >= 0 ? end : file.Size()) {}

bool BackwardReader::ReadBytes(void* buffer, uint32_t size) {
    if (size_ < 0 || distance_ + size > size_) return false;
    const int64_t start = size_ - distance_ - size;
    if (!file_.Seek(start, os::SeekOrigin::Begin)) return false;
    uint8_t* out = static_cast<uint8_t*>(buffer);
    uint32_t got = 0;
    while (got < size) {
        uint32_t done = 0;
        if (!file_.Read(out + got, size - got, &done) || done == 0) return false;
        got += done;
    }
    distance_ += size;
    return true;
}

bool BackwardReader::ReadI32(int32_t* value) {
    uint8_t bytes[4];
    if (!ReadBytes(bytes, sizeof(bytes))) return false;
    *value = le::GetI32(bytes);
    return true;
}

bool BackwardReader::ReadText(std::u16string* text) {
    int32_t units = 0;
    if (!ReadI32(&units) || units < 0 || units > kMaxTextUnits) return false;
    uint8_t bytes[2 * kMaxTextUnits];
    if (!ReadBytes(bytes, 2 * static_cast<uint32_t>(units))) return false;
    text->resize(static_cast<size_t>(units));
    for (int32_t i = 0; i < units; ++i) (*text)[i] = le::GetU16(bytes + 2 * i);
    return true;
}

}  // namespace package
