#pragma once
// The command's output: UTF-8 on POSIX and in redirected output on Windows, UTF-16 through the
// console API when a Windows console shows it.

#include <string_view>

namespace cli::console {

void Out(std::u16string_view text);
void Err(std::u16string_view text);
// True when standard output is a terminal, which gets a progress bar rather than plain lines.
bool OutIsTerminal();

}  // namespace cli::console
