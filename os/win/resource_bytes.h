#pragma once
// The bytes of a loaded module's resource. Every program reads its own resources this one way:
// the builder its installer program and pictures, the installer the uninstaller it carries and
// the resources it brands it with, the uninstaller its banner picture.

#include <windows.h>

#include <cstdint>

namespace os {

struct ResourceBytes {
    const uint8_t* data = nullptr;  // stays mapped while the module is loaded; no copy, no release
    uint32_t size = 0;
};

// The resource `name` of `type` in `module` (nullptr: the running program); empty when it is
// missing, cannot be loaded or holds no bytes.
ResourceBytes FindResourceBytes(HMODULE module, const wchar_t* type, const wchar_t* name);

}  // namespace os
