#include "widgets/num_spin_value.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace widgets {

namespace {

// Rounding noise of adding steps, which must not push a value onto its bound: at least 1e-9,
// and 1e-12 of a large bound. (A coarser relative tolerance would swallow a whole step near
// large bounds: 1e-9 of 999,999,999 is almost 1.)
constexpr double kTolerance = 1e-9;
constexpr double kRelativeTolerance = 1e-12;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// True for a printf format holding exactly one conversion of a double (flags, width and
// precision allowed) besides "%%", so that it can be handed to snprintf safely.
bool IsDoubleFormat(const std::string& format) {
    int conversions = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        ++i;
        if (i < format.size() && format[i] == '%') continue;
        while (i < format.size() && std::string("-+ #0").find(format[i]) != std::string::npos) ++i;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
        }
        if (i >= format.size() || std::string("eEfFgG").find(format[i]) == std::string::npos) {
            return false;
        }
        ++conversions;
    }
    return conversions == 1;
}

std::string Print(const char* format, double value) {
    char buffer[512];
    int length = std::snprintf(buffer, sizeof(buffer), format, value);
    if (length < 0) return {};
    return std::string(buffer, std::min<size_t>(static_cast<size_t>(length), sizeof(buffer) - 1));
}

// Drops trailing zeros after the decimal point of the mantissa, then a point left last.
std::string TrimTrailingZeros(const std::string& number) {
    size_t exponent = number.find_first_of("eE");
    std::string mantissa = number.substr(0, exponent);
    std::string rest = exponent == std::string::npos ? std::string() : number.substr(exponent);
    if (mantissa.find('.') == std::string::npos) return number;
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    return mantissa + rest;
}

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

double ParseNumber(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
    std::string number;
    auto takeSign = [&](std::string* out) {
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) *out += char(text[i++]);
    };
    auto takeDigits = [&](std::string* out) {
        size_t taken = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++taken) *out += char(text[i]);
        return taken;
    };
    takeSign(&number);
    size_t digits = takeDigits(&number);
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        digits += takeDigits(&number);
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it ("2e" is 2).
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        const size_t mark = i++;
        std::string exponent = "e";
        takeSign(&exponent);
        if (takeDigits(&exponent) > 0) {
            number += exponent;
        } else {
            i = mark;
        }
    }
    // Out of range gives plus or minus HUGE_VAL, which the range then clamps.
    return std::strtod(number.c_str(), nullptr);
}

double ClampToRange(double value, double minimum, double maximum) {
    if (std::isnan(value)) return minimum;
    const double below = std::max(kTolerance, std::fabs(minimum) * kRelativeTolerance);
    const double above = std::max(kTolerance, std::fabs(maximum) * kRelativeTolerance);
    if (value < minimum - below) return minimum;
    if (value > maximum + above) return maximum;
    return value;
}

std::u16string FormatNumber(double value, const NumSpinSettings& settings) {
    if (!settings.format.empty() && IsDoubleFormat(settings.format)) {
        return Widen(Print(settings.format.c_str(), value));
    }
    if (settings.decimals < 0) return Widen(Print("%g", value));
    const int decimals = std::min(settings.decimals, 100);
    const bool exponentForm = Print("%g", value).find('e') != std::string::npos;
    const std::string format = "%." + std::to_string(decimals) + (exponentForm ? "e" : "f");
    return Widen(TrimTrailingZeros(Print(format.c_str(), value)));
}

std::u16string SpinText(std::u16string_view buddyText, int count, const NumSpinSettings& settings) {
    double value = ParseNumber(buddyText) + settings.step * count;
    return FormatNumber(ClampToRange(value, settings.minimum, settings.maximum), settings);
}

int HighestSpinPosition(const NumSpinSettings& settings) {
    if (!(settings.step > 0) || !(settings.maximum > settings.minimum)) return 0;
    const double steps = std::floor((settings.maximum - settings.minimum) / settings.step + 0.5);
    return static_cast<int>(std::min(steps, static_cast<double>(kMaxSpinPositions - 1)));
}

int SpinPosition(double value, const NumSpinSettings& settings) {
    if (!(settings.step > 0) || std::isnan(value)) return 0;
    const double steps = std::floor((value - settings.minimum) / settings.step + 0.5);
    const double highest = HighestSpinPosition(settings);
    return static_cast<int>(std::max(0.0, std::min(steps, highest)));
}

}  // namespace widgets
