#pragma once
// Image lists made from a bitmap strip of equal images side by side, magenta marking the
// transparent pixels (the program's toolbar and menu artwork).

#include <windows.h>
#include <commctrl.h>

#include "widgets/win/handle.h"

namespace win {

struct ImageListTraits {
    using Type = HIMAGELIST;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ImageList_Destroy(h); }
};
using ImageList = UniqueHandle<ImageListTraits>;

constexpr COLORREF kStripTransparent = RGB(255, 0, 255);

// The images of bitmap resource `bitmapId`, each `width` x `height`; nullptr when the bitmap
// is missing.
HIMAGELIST LoadImageStrip(HINSTANCE instance, int bitmapId, int width, int height);

}  // namespace win
