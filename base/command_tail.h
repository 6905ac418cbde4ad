#pragma once
// The arguments part of a Windows command line: what a program's WinMain receives as its
// command line, the whole line with the program's own name and the blanks after it removed.

namespace text {

// Points into `commandLine` past the program name (quoted or not) and the white space that
// follows it. A quote opened in the name and never closed takes the rest of the line.
const char16_t* CommandTail(const char16_t* commandLine);

}  // namespace text
