#pragma once
// The running builder's version as the update check compares it: the major, minor and build
// numbers of the executable's file version written one after another ("129" for 1.2.9).

#include <string>

// Empty when the program's version resource cannot be read.
std::u16string ReadRunningVersion();
