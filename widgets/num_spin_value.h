#pragma once
// The numbers of a spin control whose buddy is an edit box: the range it steps through and how
// a value is written into the buddy. The Win32 control (widgets/win/num_spin_ctrl.h) only
// moves texts; every rule lives here.
//
// Programs run in the "C" locale, so the decimal point is always '.'.

#include <string>
#include <string_view>

namespace widgets {

struct NumSpinSettings {
    double minimum = 0;
    double maximum = 100;
    double step = 1;
    // A fixed number of decimals, or -1 for none.
    int decimals = -1;
    // An explicit printf format for one double ("%.1f", "%08.3e"), empty for none. A format
    // that is not exactly one floating-point conversion is ignored.
    std::string format;
};

// The spin control's positions count steps from the minimum, at most this many.
constexpr int kMaxSpinPositions = 32767;

// The leading number of a text, read as atof reads a decimal number (blanks, sign, digits,
// point, exponent); 0 when the text does not start with one.
double ParseNumber(std::u16string_view text);

// A value beyond a bound by more than a relative tolerance of 1e-12 (at least 1e-9) becomes
// that bound; anything else is kept as it is.
double ClampToRange(double value, double minimum, double maximum);

// The text of a value as the buddy shows it.
std::u16string FormatNumber(double value, const NumSpinSettings& settings);

// The buddy's new text after `count` steps (negative: down) from the number in `buddyText`.
std::u16string SpinText(std::u16string_view buddyText, int count, const NumSpinSettings& settings);

// The highest spin position (the lowest is 0): the number of steps from minimum to maximum,
// capped at kMaxSpinPositions - 1.
int HighestSpinPosition(const NumSpinSettings& settings);
// The spin position nearest to `value`, within 0 to HighestSpinPosition.
int SpinPosition(double value, const NumSpinSettings& settings);

}  // namespace widgets
