#include "builder/build/win/build_resources.h"

#include "builder/ui/win/builder_resource_ids.h"
#include "package/format.h"

namespace {

// The bytes of a resource; they stay mapped as long as the module is loaded.
const uint8_t* ResourceBytes(HMODULE module, const wchar_t* type, int id, uint32_t* size) {
    *size = 0;
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return nullptr;
    *size = SizeofResource(module, found);
    return static_cast<const uint8_t*>(bytes);
}

}  // namespace

void LoadBuildResources(HMODULE module, build::BuildRequest* request) {
    uint32_t size = 0;
    const auto stubType = reinterpret_cast<const wchar_t*>(package::kStubResourceType);
    request->stub = ResourceBytes(module, stubType, package::kStubResourceId, &size);
    request->stubSize = size;

    const uint8_t* icon = ResourceBytes(module, RT_RCDATA, IDR_SETUP_ICON, &size);
    request->builtInIcon = build::IconImage();
    if (icon && !build::LargestIconImage(icon, size, &request->builtInIcon)) {
        request->builtInIcon = build::IconImage();
    }

    request->builtInBanner =
        ResourceBytes(module, MAKEINTRESOURCEW(RT_BANNER_JPEG), IDR_BANNER_JPEG, &size);
    request->builtInBannerSize = size;
}
