#include "uninstaller/win/banner_picture.h"

#include <windows.h>

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

    const os::Path partial = file + u".part";
    os::File out;
    if (!out.Create(partial)) return false;
    const bool written = out.Write(bytes, size) && out.Flush();
    if (!out.Close() || !written || !os::MoveReplace(partial, file)) {
        os::DeleteFile(partial);
        return false;
    }
    return true;
}

}  // namespace uninstaller
