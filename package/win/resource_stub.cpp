#include <windows.h>

#include "package/self_extractor.h"

// The stub is the running program's own resource, which stays mapped while the program runs,
// so the locked bytes need no copy and no release.
int32_t CSelfExtractor::CreateSetup(int32_t resourceId, const os::Path& targetPath,
                                    ProgressCallback callback, intptr_t userData) {
    if (m_fileCount < 1) return SFX_ERR_NO_FILES;
    const auto type = reinterpret_cast<const wchar_t*>(package::kStubResourceType);
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), type);
    if (found == nullptr) return SFX_ERR_RESOURCE;
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (loaded == nullptr) return SFX_ERR_RESOURCE;
    const void* bytes = LockResource(loaded);
    const DWORD size = SizeofResource(nullptr, found);
    if (bytes == nullptr || size == 0) return SFX_ERR_RESOURCE;
    return CreateSetup(bytes, size, targetPath, callback, userData);
}
