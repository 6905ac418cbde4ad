#pragma once
// Copying resources of the running installer into another executable file (the uninstaller
// it writes), through the system's resource update functions.

#include <windows.h>

#include <cstdint>

#include "os/os.h"
#include "os/win/resource_bytes.h"

namespace installer {

// The language the installer's resources are written in.
constexpr WORD kResourceLanguage = 1033;

// The running program's resource of `type` with the lowest numeric identifier; empty when it
// has none. The bytes stay valid while the program runs.
os::ResourceBytes LowestOwnResource(const wchar_t* type, WORD* id);

// True when `file` holds at least one resource of `type`.
bool HasResourceOfType(const os::Path& file, const wchar_t* type);

// Replaces (or adds) resource `type`/`id` in language 1033 of `file`, keeping its other
// resources. False, and the file unchanged, when any step fails.
bool ReplaceResource(const os::Path& file, const wchar_t* type, WORD id, const void* data,
                     DWORD size);

}  // namespace installer
