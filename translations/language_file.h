#pragma once
// A language file: "Identifier = text" lines (see messages.def), "#" comments and blank lines,
// UTF-8. In a text, \n is a line break, \t a tab and \\ a backslash.

#include <string>
#include <string_view>
#include <vector>

namespace translations {

// Reads `utf8` into `texts` (in identifier order) and lists in `problems`, one line each, what
// keeps it from being used: a line that is no "Identifier = text", an unknown or repeated
// identifier, a missing one, an empty text, an unknown escape, and a text whose placeholders
// (%s, %d in order) or access-key count (&) differ from English. True when there is none.
bool ReadLanguageFile(std::string_view utf8, std::vector<std::u16string>* texts,
                      std::vector<std::string>* problems);

// The placeholders of `text` in order, such as "sd" for "%s ... %d".
std::string Placeholders(std::u16string_view text);

}  // namespace translations
