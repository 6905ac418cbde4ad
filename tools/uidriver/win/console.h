#pragma once
// The driver's output: UTF-8 lines written straight to the standard handles, unbuffered, so
// that what was printed before a failure or a kill is never lost.

#include <string>

namespace uidriver {

// One line on standard output (the result of a reading command).
void PrintLine(const std::string& utf8);
// One line on standard error (a failure or a diagnostic).
void PrintError(const std::string& utf8);

}  // namespace uidriver
