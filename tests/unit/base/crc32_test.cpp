#include "base/crc32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

namespace {

TEST(Crc32, KnownValues) {
    const uint8_t nine[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(checksum::Crc32(0, nine, sizeof nine), 0xCBF43926u);  // the standard check value
    EXPECT_EQ(checksum::Crc32(0, nine, 0), 0u);
    EXPECT_EQ(checksum::Crc32(0x12345678u, nine, 0), 0x12345678u);
}

TEST(Crc32, AgreesWithZlibWholeAndInPieces) {
    std::vector<uint8_t> bytes(5000);
    uint32_t state = 7;
    for (uint8_t& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 24);
    }
    for (size_t size : {size_t{1}, size_t{3}, size_t{255}, bytes.size()}) {
        const uint32_t expected = static_cast<uint32_t>(crc32(0, bytes.data(), static_cast<uInt>(size)));
        EXPECT_EQ(checksum::Crc32(0, bytes.data(), size), expected) << size;
        // Continued over two pieces, as a caller streaming its data does.
        const size_t half = size / 2;
        EXPECT_EQ(checksum::Crc32(checksum::Crc32(0, bytes.data(), half), bytes.data() + half,
                                  size - half),
                  expected)
            << size;
    }
}

}  // namespace
