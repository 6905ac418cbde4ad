#pragma once
// The hyperlink label's texts: what it reports when an address cannot be opened, and the
// browser command line it falls back on when the shell cannot open the address itself.

#include <cstdint>
#include <string>
#include <string_view>

namespace widgets {

// "Unable to open hyperlink:\n\n" followed by the reason for a shell open result (0 to 32).
std::u16string HyperlinkFailureText(int32_t shellResult);

// The registered ".htm" open command cut before its "\"%1\"" (or else "%1") placeholder, then a
// blank and the address. A command without a placeholder is kept whole.
std::u16string BrowserCommandLine(std::u16string_view openCommand, std::u16string_view address);

}  // namespace widgets
