#include "uninstaller/win/banner_picture.h"

#include <windows.h>

#include "os/whole_file.h"
#include "os/win/resource_bytes.h"
#include "uninstaller/page_texts.h"
#include "uninstaller/win/resource.h"

namespace uninstaller {

void WriteBannerPicture(os::Path* written) {
    os::Path file;
    if (!os::GetKnownFolder(os::KnownFolder::Temp, &file)) return;
    file += u"\\";
    file += kBannerFileName;
    const os::ResourceBytes banner = os::FindResourceBytes(
        nullptr, MAKEINTRESOURCEW(RT_BANNER_BYTES), MAKEINTRESOURCEW(IDR_BANNER_BYTES));
    if (banner.size > 0 && os::WriteWholeFile(file, banner.data, banner.size)) *written = file;
}

}  // namespace uninstaller
