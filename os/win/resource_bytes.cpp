#include "os/win/resource_bytes.h"

namespace os {

ResourceBytes FindResourceBytes(HMODULE module, const wchar_t* type, const wchar_t* name) {
    ResourceBytes bytes;
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = data ? SizeofResource(module, found) : 0;
    if (size == 0) return bytes;
    bytes.data = static_cast<const uint8_t*>(data);
    bytes.size = size;
    return bytes;
}

}  // namespace os
