#include <windows.h>

#include "os/win/resource_bytes.h"
#include "package/self_extractor.h"

// The stub is the running program's own resource, which stays mapped while the program runs,
// so the locked bytes need no copy and no release.
int32_t CSelfExtractor::CreateSetup(int32_t resourceId, const os::Path& targetPath,
                                    ProgressCallback callback, intptr_t userData) {
    if (m_fileCount < 1) return SFX_ERR_NO_FILES;
    const os::ResourceBytes stub =
        os::FindResourceBytes(nullptr, reinterpret_cast<const wchar_t*>(package::kStubResourceType),
                              MAKEINTRESOURCEW(resourceId));
    if (stub.size == 0) return SFX_ERR_RESOURCE;
    return CreateSetup(stub.data, stub.size, targetPath, callback, userData);
}
