#include "uninstaller/win/banner_picture.h"

#include <windows.h>

#include "os/whole_file.h"
#include "os/win/resource_bytes.h"
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
    const os::ResourceBytes banner = os::FindResourceBytes(
        nullptr, MAKEINTRESOURCEW(RT_BANNER_BYTES), MAKEINTRESOURCEW(IDR_BANNER_BYTES));
    return banner.size > 0 && os::WriteWholeFile(file, banner.data, banner.size);
}

}  // namespace uninstaller
