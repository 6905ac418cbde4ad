#include "uninstaller/win/banner_picture.h"

#include <windows.h>

#include "os/whole_file.h"
#include "uninstaller/page_texts.h"
#include "uninstaller/win/resource.h"

namespace uninstaller {

os::Path BannerPicturePath() {
    os::Path temp;
    if (!os::GetKnownFolder(os::KnownFolder::Temp, &temp)) return os::Path();
    return temp + u"\\" + kBannerFileName;
}

bool WriteBannerPicture(const os::Path& file) {
    if (file.empty()) return false;
    const HMODULE self = GetModuleHandleW(nullptr);
    HRSRC found =
        FindResourceW(self, MAKEINTRESOURCEW(IDR_BANNER_BYTES), MAKEINTRESOURCEW(RT_BANNER_BYTES));
    if (!found) return false;
    const DWORD size = SizeofResource(self, found);
    HGLOBAL loaded = LoadResource(self, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return false;

    return os::WriteWholeFile(file, bytes, size);
}

}  // namespace uninstaller
