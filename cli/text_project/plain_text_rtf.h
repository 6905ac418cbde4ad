#pragma once
// Plain text turned into the RTF document the setup's text pages show.

#include <string>
#include <string_view>

namespace cli::text_project {

// A small RTF document in the look of the builder's editors (Tahoma, 9 points) holding `text`:
// each line a paragraph (LF, CR LF or CR end a line; line ends at the very end are dropped),
// tabs as tabs, "\", "{" and "}" escaped, characters outside ASCII as "\u" escapes, other
// control characters left out. The result is pure ASCII. An empty text gives an empty result,
// which means no page.
std::u16string PlainTextToRtf(std::u16string_view text);

}  // namespace cli::text_project
