#pragma once
// Checks of a text project's bytes before toml11 parses them, for input toml11 does not survive:
// it reads nested arrays and tables recursively, so deep enough nesting overflows the stack, and
// it reads past the end of its buffer on some byte sequences that are no UTF-8. Each returns
// empty, or one line naming `name`, the line and the column.

#include <string>
#include <string_view>

namespace cli::text_project {

// No project nests more than a few levels.
constexpr int kMaxNesting = 100;

// Where `bytes` stop being UTF-8 (overlong forms, surrogates and code points above U+10FFFF
// included), which a TOML file must be.
std::u16string CheckUtf8(std::string_view bytes, const std::u16string& name);

// Where `bytes` nest arrays and inline tables deeper than kMaxNesting. Brackets in strings and
// comments do not count. Where this scan and TOML could disagree about where a string ends
// (only in a file that is no valid TOML), the scan ends the string no later, so that it may
// count too much but never too little.
std::u16string CheckNesting(std::string_view bytes, const std::u16string& name);

}  // namespace cli::text_project
