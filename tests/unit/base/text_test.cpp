#include "base/text.h"

#include <gtest/gtest.h>

#include "base/le.h"

namespace {

TEST(Utf8, RoundTripsEveryPlane) {
    const std::u16string original = u"abc \u00e9\u20ac \U0001F600 z";
    const std::string utf8 = text::ToUtf8(original);
    EXPECT_EQ(utf8, "abc \xC3\xA9\xE2\x82\xAC \xF0\x9F\x98\x80 z");
    EXPECT_EQ(text::FromUtf8(utf8), original);
}

TEST(Utf8, BadBytesBecomeReplacementCharacters) {
    EXPECT_EQ(text::FromUtf8("a\xFF"
                             "b"),
              u"a\uFFFDb");
    EXPECT_EQ(text::FromUtf8("a\xC3"), u"a\uFFFD");        // truncated sequence
    EXPECT_EQ(text::FromUtf8("\xC0\xAF"), u"\uFFFD");      // overlong form
    EXPECT_EQ(text::FromUtf8("\xED\xA0\x80"), u"\uFFFD");  // encoded surrogate
    EXPECT_EQ(text::ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Text, TrimRemovesWhiteSpaceOnBothEnds) {
    EXPECT_EQ(text::Trim(u" \t My EA \r\n"), u"My EA");
    EXPECT_EQ(text::Trim(u"   "), u"");
    EXPECT_EQ(text::Trim(u"a b"), u"a b");
}

TEST(Text, CaseFoldingIsAsciiOnly) {
    EXPECT_TRUE(text::EqualsNoCase(u"Terminal.EXE", u"terminal.exe"));
    EXPECT_FALSE(text::EqualsNoCase(u"terminal.exe", u"terminal.ex"));
    EXPECT_FALSE(text::EqualsNoCase(u"\u00c9", u"\u00e9"));
}

TEST(Text, FromIntPrintsLikePercentD) {
    EXPECT_EQ(text::FromInt(0), u"0");
    EXPECT_EQ(text::FromInt(-42), u"-42");
    EXPECT_EQ(text::FromInt(2147483647), u"2147483647");
    EXPECT_EQ(text::FromInt(INT64_MIN), u"-9223372036854775808");
    EXPECT_EQ(text::FromInt(INT64_MAX), u"9223372036854775807");
    // Around the 32-bit boundary, and values whose low half is all zeros or all ones.
    EXPECT_EQ(text::FromInt(4294967295LL), u"4294967295");
    EXPECT_EQ(text::FromInt(4294967296LL), u"4294967296");
    EXPECT_EQ(text::FromInt(-4294967296LL), u"-4294967296");
    EXPECT_EQ(text::FromInt(0x7FFFFFFF00000000LL), u"9223372032559808512");
    EXPECT_EQ(text::FromInt(1099511627775LL), u"1099511627775");
    EXPECT_EQ(text::FromInt(1000000000000000000LL), u"1000000000000000000");
}

TEST(Text, FromIntAgreesWithTheLibraryAcrossTheRange) {
    uint64_t state = 0x9E3779B97F4A7C15u;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        // Every magnitude from one digit to nineteen, both signs.
        const int64_t value = static_cast<int64_t>(state) >> (i % 63);
        ASSERT_EQ(text::ToUtf8(text::FromInt(value)), std::to_string(value)) << value;
    }
}

TEST(Text, FormatReplacesDirectivesInOrder) {
    EXPECT_EQ(text::Format(u"Copying %s...\r\n", {u"EA.ex4"}), u"Copying EA.ex4...\r\n");
    EXPECT_EQ(text::Format(u"%s - %d%%", {u"a", u"7"}), u"a - 7%");
    EXPECT_EQ(text::Format(u"%s and %s", {u"one"}), u"one and ");
    EXPECT_EQ(text::Format(u"100%", {}), u"100%");
}

TEST(LittleEndian, EncodesIndependentOfHostOrder) {
    uint8_t bytes[4];
    le::PutI32(bytes, -2);
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(le::GetI32(bytes), -2);
    le::PutU16(bytes, 0x1234);
    EXPECT_EQ(bytes[0], 0x34);
    EXPECT_EQ(le::GetU16(bytes), 0x1234);
}

}  // namespace
