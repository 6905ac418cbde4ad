#include "builder/ui/win/running_version.h"

#include <windows.h>

#include <vector>

#include "builder/ui/update_rules.h"
#include "os/os.h"
#include "widgets/win/wide.h"

std::u16string ReadRunningVersion() {
    // The program's own file by its full path, so that no other file of the same name can
    // answer for it.
    const os::Path self = os::ModulePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(win::W(self), &ignored);
    if (size == 0) return {};
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(win::W(self), 0, size, block.data())) return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
        !fixed || fixedSize < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    return ui::VersionDigits(HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                             HIWORD(fixed->dwFileVersionLS));
}
