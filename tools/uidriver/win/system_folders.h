#pragma once
// The system folders as this (32-bit) program sees them, so that a test learns where a 32-bit
// program of ours will put things ("C:\Program Files" or "C:\Program Files (x86)").

#include <string>

namespace uidriver {

// The folder for a name listed by the "folder" command; false for an unknown name or when the
// system has no such folder.
bool SystemFolder(const std::u16string& name, std::u16string* path);

}  // namespace uidriver
