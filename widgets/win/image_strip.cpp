#include "widgets/win/image_strip.h"

namespace win {

HIMAGELIST LoadImageStrip(HINSTANCE instance, int bitmapId, int width, int height) {
    Bitmap strip(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!strip) return nullptr;
    BITMAP info = {};
    GetObjectW(strip.get(), sizeof(info), &info);
    const int count = width > 0 ? info.bmWidth / width : 0;
    if (count <= 0) return nullptr;
    ImageList list(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, count, 0));
    if (!list) return nullptr;
    if (ImageList_AddMasked(list.get(), strip.get(), kStripTransparent) < 0) return nullptr;
    return list.release();
}

}  // namespace win
