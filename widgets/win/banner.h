#pragma once
// The setup banner at the left of the installer's and the uninstaller's pages.
//
//   void OnPaint(HDC dc, const PAINTSTRUCT&) override {
//       win::PaintBanner(hwnd(), Item(IDC_BANNER_FRAME), dc, bannerFile, kBannerBitmapId);
//   }
//
// The picture is drawn from the top-left corner of the frame control, as tall as the frame and
// half as wide as it is tall. A frame that should not draw over the picture is best left
// invisible in the template (its rectangle still counts).

#include <windows.h>

#include <string>

namespace win {

// Paints the picture file `pictureFile` (any format the system's picture loader reads: JPEG,
// GIF, BMP), loaded afresh on every call, or the program's bitmap resource `bitmapId` when
// the name is empty or the file cannot be loaded. `frame` is a child control of `window`,
// whose client coordinates `dc` uses.
void PaintBanner(HWND window, HWND frame, HDC dc, const std::u16string& pictureFile, int bitmapId);

}  // namespace win
