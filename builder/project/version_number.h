#pragma once
// The four version numbers are edited as decimal texts. A project file stores them as numbers:
// a text becomes its leading integer when a project is written, and a stored number comes back
// as plain decimal ("%d") when a project is read.

#include <cstdint>
#include <string>
#include <string_view>

namespace project {

// Leading white space, an optional '+' or '-', then decimal digits up to the first other
// character: " 12ab" gives 12, "-3" gives -3, "" and "x1" give 0. A number beyond the 32-bit
// range saturates at INT32_MAX or INT32_MIN, as the C library's strtol does, so that a long
// string of nines stays the largest version rather than wrapping to a negative one.
int32_t VersionNumberFromText(std::u16string_view text);

std::u16string VersionTextFromNumber(int32_t number);

}  // namespace project
