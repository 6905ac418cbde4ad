#pragma once
// Drawing that goes to a memory surface first and reaches the window in one copy, so that
// repainting does not flicker:
//
//   OffscreenSurface surface(paintDc, client);
//   if (!surface) return;
//   FillRect(surface.dc(), &client, brush);   // ... draw everything ...
//   // the destructor copies the surface to paintDc

#include <windows.h>

#include "widgets/win/handle.h"

namespace win {

class OffscreenSurface {
  public:
    OffscreenSurface(HDC target, const RECT& area);
    ~OffscreenSurface();
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    // False when no surface could be made; then nothing is drawn or copied.
    explicit operator bool() const { return m_dc != nullptr; }
    HDC dc() const { return m_dc; }

  private:
    HDC m_target;
    RECT m_area;
    HDC m_dc = nullptr;
    Bitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_savedState = 0;
};

}  // namespace win
