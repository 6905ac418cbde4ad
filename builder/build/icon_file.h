#pragma once
// Icon files (.ico): the single-image file the build writes as "project.ico" from the built-in
// icon, and picking one image out of a multi-image file.
//
//   offset 0   uint16 reserved 0, uint16 type 1, uint16 image count
//   offset 6   per image, 16 bytes: uint8 width, uint8 height (0 means 256), uint8 colour
//              count, uint8 reserved, uint16 planes, uint16 bit count, uint32 image size,
//              uint32 image offset from the start of the file
//   then       the image bytes (a DIB or a PNG)

#include <cstddef>
#include <cstdint>
#include <vector>

namespace build {

constexpr uint32_t kIconHeaderBytes = 6;
constexpr uint32_t kIconEntryBytes = 16;
// Where the image of a single-image file starts.
constexpr uint32_t kSingleIconImageOffset = kIconHeaderBytes + kIconEntryBytes;
static_assert(kSingleIconImageOffset == 22);

// One icon image and the directory fields that describe it. `bytes` is not owned.
struct IconImage {
    const uint8_t* bytes = nullptr;
    uint32_t size = 0;
    uint8_t width = 0;  // 0 stands for 256
    uint8_t height = 0;
    uint16_t planes = 1;
    uint16_t bitCount = 32;
};

// A whole icon file holding `image` alone: the 6-byte header (0, 1, 1), one entry with colour
// count 0, reserved 0, the image's size and offset 22, then the image bytes.
std::vector<uint8_t> SingleImageIconFile(const IconImage& image);

// The largest image of an icon file (the most pixels, then the most bits per pixel); `image`
// points into `file`. False, with `image` unchanged, when the bytes are not an icon file or an
// entry lies outside them.
bool LargestIconImage(const uint8_t* file, size_t size, IconImage* image);

}  // namespace build
