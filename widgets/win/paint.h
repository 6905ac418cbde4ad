#pragma once
// Small drawing helpers shared by the kit's and the builder's owner-drawn windows.
//
//   case WM_PAINT: {
//       win::PaintScope paint(hwnd());
//       Paint(paint.dc());
//       return 0;
//   }
//   ...
//   win::FillFramed(dc, cell, kHotFill, kHotBorder);
//   win::TextScope text(dc, font, colour);
//   DrawTextW(dc, ...);

#include <windows.h>

namespace win {

// BeginPaint and EndPaint around the handling of one WM_PAINT.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC dc() const { return dc_; }
    // The part of the window to repaint.
    const RECT& area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// Selects a pen, brush or font into a device context; the previous one is put back when the
// scope ends.
class SelectScope {
  public:
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectScope() { SelectObject(dc_, previous_); }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Text drawn over what is already there, in one font and colour; the device context's font,
// text colour and background mode are put back when the scope ends.
class TextScope {
  public:
    TextScope(HDC dc, HFONT font, COLORREF colour);
    ~TextScope();
    TextScope(const TextScope&) = delete;
    TextScope& operator=(const TextScope&) = delete;

  private:
    HDC dc_;
    SelectScope font_;
    COLORREF previousColour_;
    int previousMode_;
};

// `rect` filled with one colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel frame of one colour along the inside of `rect`.
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);
// The highlighted look of a cell, button or menu item: filled, then framed.
void FillFramed(HDC dc, const RECT& rect, COLORREF fill, COLORREF border);

// `rect` filled with the button face and given a 3D edge (DrawEdge's `edge` and `sides`).
void ButtonFacePanel(HDC dc, const RECT& rect, UINT edge, UINT sides);

// The window's client area filled with `colour` (a COLOR_ index), for WM_ERASEBKGND.
void FillClient(HWND window, HDC dc, int colour);
// The answer to WM_CTLCOLORSTATIC and WM_CTLCOLORBTN for a control on the button face: its
// text background and the brush for the rest of it are the button face.
LRESULT ButtonFaceColours(HDC dc);

}  // namespace win
