#include "widgets/num_spin_value.h"

#include <gtest/gtest.h>

namespace {

using widgets::ClampToRange;
using widgets::FormatNumber;
using widgets::NumSpinSettings;
using widgets::ParseNumber;
using widgets::SpinText;

NumSpinSettings Decimals(int n) {
    NumSpinSettings s;
    s.decimals = n;
    s.minimum = -1e30;
    s.maximum = 1e30;
    return s;
}

TEST(NumSpinValueTest, ParsesTheLeadingNumberAsAtofDoes) {
    EXPECT_EQ(ParseNumber(u"42"), 42);
    EXPECT_EQ(ParseNumber(u"  -3.25xyz"), -3.25);
    EXPECT_EQ(ParseNumber(u"+.5"), 0.5);
    EXPECT_EQ(ParseNumber(u"7."), 7);
    EXPECT_EQ(ParseNumber(u"1.5e3"), 1500);
    EXPECT_EQ(ParseNumber(u"2e"), 2);  // an exponent needs digits
    EXPECT_EQ(ParseNumber(u"2e+"), 2);
    EXPECT_EQ(ParseNumber(u"12abc"), 12);
    EXPECT_EQ(ParseNumber(u""), 0);
    EXPECT_EQ(ParseNumber(u"abc"), 0);
    EXPECT_EQ(ParseNumber(u"-"), 0);
    EXPECT_EQ(ParseNumber(u"."), 0);
    // Words that strtod would take are not numbers in an edit box.
    EXPECT_EQ(ParseNumber(u"nan"), 0);
    EXPECT_EQ(ParseNumber(u"inf"), 0);
    EXPECT_EQ(ParseNumber(u"0x10"), 0);
}

TEST(NumSpinValueTest, BoundsHoldBeyondTheTolerance) {
    EXPECT_EQ(ClampToRange(101, 0, 100), 100);
    EXPECT_EQ(ClampToRange(-1, 0, 100), 0);
    EXPECT_EQ(ClampToRange(50, 0, 100), 50);
    // Within the tolerance a value is kept: at least 1e-9, 1e-12 of a large bound.
    EXPECT_EQ(ClampToRange(-5e-10, 0, 100), -5e-10);
    EXPECT_EQ(ClampToRange(-2e-9, 0, 100), 0);
    EXPECT_EQ(ClampToRange(1e12 + 0.5, 0, 1e12), 1e12 + 0.5);  // 1e-12 of 1e12 is 1
    EXPECT_EQ(ClampToRange(1e12 + 2, 0, 1e12), 1e12);
    EXPECT_EQ(ClampToRange(-1e12 - 2, -1e12, 0), -1e12);
    // One step beyond a large bound is beyond it, whatever precision the arithmetic has.
    EXPECT_EQ(ClampToRange(1e9, 0, 999999999), 999999999);
    EXPECT_EQ(ClampToRange(1e308 * 10, 0, 100), 100);  // infinity
}

TEST(NumSpinValueTest, FormatsWithGOrFixedDecimals) {
    NumSpinSettings plain;
    EXPECT_EQ(FormatNumber(3, plain), u"3");
    EXPECT_EQ(FormatNumber(0.1, plain), u"0.1");
    EXPECT_EQ(FormatNumber(1234567, plain), u"1.23457e+06");

    EXPECT_EQ(FormatNumber(1.5, Decimals(2)), u"1.5");  // "1.50", trailing zero trimmed
    EXPECT_EQ(FormatNumber(2, Decimals(2)), u"2");      // "2.00", then the point too
    EXPECT_EQ(FormatNumber(2.125, Decimals(2)), u"2.12");
    EXPECT_EQ(FormatNumber(100, Decimals(0)), u"100");  // no point: zeros stay
    EXPECT_EQ(FormatNumber(-0.25, Decimals(3)), u"-0.25");
    // The exponent form when %g has one; only the mantissa is trimmed.
    EXPECT_EQ(FormatNumber(1e20, Decimals(2)), u"1e+20");
    EXPECT_EQ(FormatNumber(1.5e20, Decimals(3)), u"1.5e+20");
    EXPECT_EQ(FormatNumber(1e-7, Decimals(2)), u"1e-07");
}

TEST(NumSpinValueTest, ExplicitFormatMustBeOneDoubleConversion) {
    NumSpinSettings s;
    s.format = "%.3f";
    EXPECT_EQ(FormatNumber(1.5, s), u"1.500");  // an explicit format is not trimmed
    s.format = "v%05.1f%%";
    EXPECT_EQ(FormatNumber(2.25, s), u"v002.2%");
    // Anything else would read arguments that are not there: %g is used instead.
    for (const char* bad : {"%s", "%d", "%f %f", "abc", "%", "%.2", "%n", "%ls"}) {
        s.format = bad;
        EXPECT_EQ(FormatNumber(2.5, s), u"2.5") << bad;
    }
}

TEST(NumSpinValueTest, SpinStepsFromTheBuddyTextWithinTheRange) {
    NumSpinSettings s;  // 0 to 100, step 1
    EXPECT_EQ(SpinText(u"5", 1, s), u"6");
    EXPECT_EQ(SpinText(u"5", -1, s), u"4");
    EXPECT_EQ(SpinText(u"0", -1, s), u"0");
    EXPECT_EQ(SpinText(u"100", 1, s), u"100");
    EXPECT_EQ(SpinText(u"99", 5, s), u"100");
    EXPECT_EQ(SpinText(u"", 1, s), u"1");
    EXPECT_EQ(SpinText(u"12abc", 1, s), u"13");
    EXPECT_EQ(SpinText(u"500", -1, s), u"100");  // typed beyond the range, brought back
    s.step = 0.1;
    s.decimals = 1;
    EXPECT_EQ(SpinText(u"0.2", 1, s), u"0.3");
    EXPECT_EQ(SpinText(u"99.95", 1, s), u"100");
}

TEST(NumSpinValueTest, PositionsCountStepsFromTheMinimum) {
    NumSpinSettings s;
    EXPECT_EQ(widgets::HighestSpinPosition(s), 100);
    EXPECT_EQ(widgets::SpinPosition(37, s), 37);
    EXPECT_EQ(widgets::SpinPosition(-5, s), 0);
    EXPECT_EQ(widgets::SpinPosition(1000, s), 100);
    s.minimum = 10;
    s.maximum = 20;
    s.step = 0.5;
    EXPECT_EQ(widgets::HighestSpinPosition(s), 20);
    EXPECT_EQ(widgets::SpinPosition(12.5, s), 5);
    s.minimum = 0;
    s.maximum = 1e9;
    s.step = 1;
    EXPECT_EQ(widgets::HighestSpinPosition(s), widgets::kMaxSpinPositions - 1);
    s.step = 0;  // no steps: one position
    EXPECT_EQ(widgets::HighestSpinPosition(s), 0);
    EXPECT_EQ(widgets::SpinPosition(5, s), 0);
}

}  // namespace
