#pragma once
// Texts written as TOML strings.

#include <string>
#include <string_view>

namespace cli::text_project {

// `text` as a TOML string: a literal string ('C:\Tools\x.ex4') when it holds a backslash and
// can be one, which keeps Windows paths readable; otherwise a basic string ("...") with every
// character TOML does not allow raw escaped. Characters outside ASCII are written as UTF-8.
// False when `text` holds a lone surrogate, which no TOML string can carry.
bool TomlString(std::u16string_view text, std::string* out);

}  // namespace cli::text_project
