#pragma once
// UTF-16 text helpers of the portable core. Texts are std::u16string throughout; conversion to
// and from UTF-8 happens only at the edges (file names on POSIX, the command line, RTF streams).

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// Invalid UTF-8 sequences become U+FFFD.
std::u16string FromUtf8(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view utf16);

// Removes leading and trailing white space (blank, tab, CR, LF, vertical tab, form feed).
std::u16string Trim(std::u16string_view s);

bool StartsWith(std::u16string_view s, std::u16string_view prefix);
bool EndsWith(std::u16string_view s, std::u16string_view suffix);
bool Contains(std::u16string_view s, std::u16string_view part);

// Letter case folded for A-Z only; everything else compares exactly.
char16_t ToLowerAscii(char16_t c);
std::u16string ToLowerAscii(std::u16string_view s);
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);

// Decimal text of a number, as "%d" prints it.
std::u16string FromInt(int64_t value);

// Replaces each "%s" or "%d" of the format by the next argument, and "%%" by "%". Missing
// arguments give empty texts; surplus arguments are ignored.
std::u16string Format(std::u16string_view format, std::initializer_list<std::u16string_view> args);

}  // namespace text
