#include "builder/ui/win/build_resources.h"

#include "builder/ui/win/builder_resource_ids.h"
#include "os/win/resource_bytes.h"
#include "package/format.h"

void LoadBuildResources(HMODULE module, build::BuildRequest* request) {
    const os::ResourceBytes stub =
        os::FindResourceBytes(module, reinterpret_cast<const wchar_t*>(package::kStubResourceType),
                              MAKEINTRESOURCEW(package::kStubResourceId));
    request->stub = stub.data;
    request->stubSize = stub.size;

    const os::ResourceBytes icon =
        os::FindResourceBytes(module, RT_RCDATA, MAKEINTRESOURCEW(IDR_SETUP_ICON));
    request->builtInIcon = build::IconImage();
    if (icon.data && !build::LargestIconImage(icon.data, icon.size, &request->builtInIcon)) {
        request->builtInIcon = build::IconImage();
    }

    const os::ResourceBytes banner = os::FindResourceBytes(module, MAKEINTRESOURCEW(RT_BANNER_JPEG),
                                                           MAKEINTRESOURCEW(IDR_BANNER_JPEG));
    request->builtInBanner = banner.data;
    request->builtInBannerSize = banner.size;
}
