#pragma once
// The forms in which texts come back from our Windows programs: printed output as lines, and
// UTF-16LE as the registry and shell links store it.

#include <string>
#include <vector>

namespace winetest {

// A program's output as lines, without their "\r\n" or "\n"; a last line without an end counts.
std::vector<std::string> SplitLines(const std::string& output);
// UTF-8 text as its UTF-16LE bytes.
std::string Utf16LeBytes(const std::string& utf8);
// The same bytes as lower-case hex digits, the form stored registry values are compared in.
std::string Utf16LeHex(const std::string& utf8);

}  // namespace winetest
