#include "widgets/win/offscreen_surface.h"

namespace win {

OffscreenSurface::OffscreenSurface(HDC target, const RECT& area) : m_target(target), m_area(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    m_bitmap.reset(CreateCompatibleBitmap(target, width, height));
    if (!m_bitmap) return;
    m_dc = CreateCompatibleDC(target);
    if (!m_dc) return;
    m_oldBitmap = SelectObject(m_dc, m_bitmap.get());
    // Drawing uses the area's own coordinates.
    SetViewportOrgEx(m_dc, -area.left, -area.top, nullptr);
    m_savedState = SaveDC(m_dc);
}

OffscreenSurface::~OffscreenSurface() {
    if (!m_dc) return;
    RestoreDC(m_dc, m_savedState);
    BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left,
           m_area.bottom - m_area.top, m_dc, m_area.left, m_area.top, SRCCOPY);
    SelectObject(m_dc, m_oldBitmap);
    DeleteDC(m_dc);
}

}  // namespace win
