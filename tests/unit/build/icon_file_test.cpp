#include "builder/build/icon_file.h"

#include <gtest/gtest.h>

#include <string>

namespace build {
namespace {

std::string AsString(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(IconFileTest, SingleImageFileHasHeaderEntryAndImageAtOffset22) {
    const uint8_t pixels[] = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE};
    IconImage image;
    image.bytes = pixels;
    image.size = sizeof(pixels);
    image.width = 32;
    image.height = 32;
    image.planes = 1;
    image.bitCount = 32;
    const std::string expected(
        "\x00\x00\x01\x00\x01\x00"                                          // reserved, type, count
        "\x20\x20\x00\x00\x01\x00\x20\x00\x05\x00\x00\x00\x16\x00\x00\x00"  // the one entry
        "\xAA\xBB\xCC\xDD\xEE",
        27);
    EXPECT_EQ(AsString(SingleImageIconFile(image)), expected);
}

// An icon file with a 16 x 16 and a 32 x 32 image, written by hand.
std::string TwoImageIcon() {
    std::string file("\x00\x00\x01\x00\x02\x00", 6);
    file += std::string("\x10\x10\x00\x00\x01\x00\x20\x00\x03\x00\x00\x00\x26\x00\x00\x00", 16);
    file += std::string("\x20\x20\x00\x00\x01\x00\x20\x00\x04\x00\x00\x00\x29\x00\x00\x00", 16);
    file += "abc";
    file += "WXYZ";
    return file;
}

TEST(IconFileTest, LargestImageIsPickedOutOfAnIconFile) {
    const std::string file = TwoImageIcon();
    IconImage image;
    ASSERT_TRUE(
        LargestIconImage(reinterpret_cast<const uint8_t*>(file.data()), file.size(), &image));
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.bitCount, 32);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.bytes), image.size), "WXYZ");

    // Written back as a single-image file, the picked image follows the 22-byte head.
    const std::vector<uint8_t> single = SingleImageIconFile(image);
    ASSERT_EQ(single.size(), 26u);
    EXPECT_EQ(AsString(single).substr(22), "WXYZ");
    EXPECT_EQ(single[6], 32);
}

TEST(IconFileTest, DamagedIconFilesAreRefusedAndLeaveTheImageAlone) {
    const std::string good = TwoImageIcon();
    const auto refused = [](std::string file) {
        IconImage image;
        image.width = 7;
        const bool read =
            LargestIconImage(reinterpret_cast<const uint8_t*>(file.data()), file.size(), &image);
        return !read && image.width == 7;
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused(good.substr(0, 5)));
    EXPECT_TRUE(refused(good.substr(0, 30)));  // the directory is cut
    EXPECT_TRUE(refused(good.substr(0, 40)));  // the second image lies beyond the end
    std::string bitmap = good;
    bitmap[2] = 2;  // a cursor file, not an icon
    EXPECT_TRUE(refused(bitmap));
    std::string none = good;
    none[4] = 0;
    EXPECT_TRUE(refused(none));
}

}  // namespace
}  // namespace build
