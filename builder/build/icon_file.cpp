#include "builder/build/icon_file.h"

#include <algorithm>

#include "base/le.h"

namespace build {

namespace {

void PutU32(uint8_t* p, uint32_t value) {
    le::PutI32(p, static_cast<int32_t>(value));
}

uint32_t GetU32(const uint8_t* p) {
    return static_cast<uint32_t>(le::GetI32(p));
}

uint32_t Pixels(const IconImage& image) {
    const uint32_t width = image.width == 0 ? 256 : image.width;
    const uint32_t height = image.height == 0 ? 256 : image.height;
    return width * height;
}

}  // namespace

std::vector<uint8_t> SingleImageIconFile(const IconImage& image) {
    std::vector<uint8_t> file(kSingleIconImageOffset + image.size, 0);
    uint8_t* p = file.data();
    le::PutU16(p + 0, 0);
    le::PutU16(p + 2, 1);
    le::PutU16(p + 4, 1);
    uint8_t* entry = p + kIconHeaderBytes;
    entry[0] = image.width;
    entry[1] = image.height;
    entry[2] = 0;
    entry[3] = 0;
    le::PutU16(entry + 4, image.planes);
    le::PutU16(entry + 6, image.bitCount);
    PutU32(entry + 8, image.size);
    PutU32(entry + 12, kSingleIconImageOffset);
    if (image.size > 0) {
        std::copy(image.bytes, image.bytes + image.size, file.begin() + kSingleIconImageOffset);
    }
    return file;
}

bool LargestIconImage(const uint8_t* file, size_t size, IconImage* image) {
    if (size < kIconHeaderBytes || le::GetU16(file) != 0 || le::GetU16(file + 2) != 1) {
        return false;
    }
    const uint32_t count = le::GetU16(file + 4);
    if (count == 0 || kIconHeaderBytes + static_cast<size_t>(count) * kIconEntryBytes > size) {
        return false;
    }
    IconImage best;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = file + kIconHeaderBytes + i * kIconEntryBytes;
        IconImage candidate;
        candidate.width = entry[0];
        candidate.height = entry[1];
        candidate.planes = le::GetU16(entry + 4);
        candidate.bitCount = le::GetU16(entry + 6);
        candidate.size = GetU32(entry + 8);
        const uint32_t offset = GetU32(entry + 12);
        if (candidate.size == 0 || offset > size || candidate.size > size - offset) return false;
        candidate.bytes = file + offset;
        const bool larger =
            Pixels(candidate) > Pixels(best) ||
            (Pixels(candidate) == Pixels(best) && candidate.bitCount > best.bitCount);
        if (i == 0 || larger) best = candidate;
    }
    *image = best;
    return true;
}

}  // namespace build
