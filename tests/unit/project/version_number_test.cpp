#include "builder/project/version_number.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace project {
namespace {

TEST(VersionNumber, LeadingIntegerRule) {
    struct Case {
        const char16_t* text;
        int32_t number;
    } cases[] = {
        {u"0", 0},        {u"42", 42}, {u"12ab", 12}, {u"", 0},       {u"abc", 0}, {u"  7", 7},
        {u"\t\r\n 5", 5}, {u"-3", -3}, {u"+8", 8},    {u"- 3", 0},    {u"+", 0},   {u"3.1", 3},
        {u"007", 7},      {u"1 2", 1}, {u"x1", 0},    {u"\x0661", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionNumberFromText(c.text), c.number) << '"' << text::ToUtf8(c.text) << '"';
    }
}

TEST(VersionNumber, OutOfRangeSaturates) {
    EXPECT_EQ(VersionNumberFromText(u"2147483647"), 2147483647);
    EXPECT_EQ(VersionNumberFromText(u"2147483648"), 2147483647);
    EXPECT_EQ(VersionNumberFromText(u"99999999999999999999999999999"), 2147483647);
    EXPECT_EQ(VersionNumberFromText(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(VersionNumberFromText(u"-2147483649"), INT32_MIN);
    EXPECT_EQ(VersionNumberFromText(u"-99999999999999999999x"), INT32_MIN);
}

TEST(VersionNumber, NumbersComeBackAsPlainDecimal) {
    EXPECT_EQ(VersionTextFromNumber(0), u"0");
    EXPECT_EQ(VersionTextFromNumber(-17), u"-17");
    EXPECT_EQ(VersionTextFromNumber(INT32_MIN), u"-2147483648");
    for (int32_t n : {0, 1, -1, 129, 2147483647, INT32_MIN}) {
        EXPECT_EQ(VersionNumberFromText(VersionTextFromNumber(n)), n);
    }
}

}  // namespace
}  // namespace project
