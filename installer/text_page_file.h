#pragma once
// Reading the readme, license and what's-new files that the text pages show.
//
// The builder writes these files as RTF through the ANSI code page; RTF escapes everything
// outside ASCII, so bytes above 127 only appear in files that are not RTF. Such bytes are
// decoded as Windows-1252, the code page of the Western Windows systems the products are
// written on (the five bytes that code page leaves unassigned become the C1 control of the same
// number, as Windows itself decodes them).

#include <string>
#include <string_view>

#include "os/os.h"

namespace installer {

// Decodes the bytes as Windows-1252 and joins their lines with "\r\n": every line, the last
// one included, is followed by "\r\n". A line ends at "\n" or "\r\n"; a lone "\r" is text.
// No bytes give no text.
std::u16string JoinTextLines(std::string_view bytes);

// JoinTextLines over the whole file. False (and `text` empty) when the file cannot be opened
// or read.
bool ReadTextPageFile(const os::Path& path, std::u16string* text);

}  // namespace installer
