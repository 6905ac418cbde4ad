#include "widgets/win/paint.h"

#include "widgets/win/handle.h"

namespace win {

TextScope::TextScope(HDC dc, HFONT font, COLORREF colour)
    : dc_(dc),
      font_(dc, font),
      previousColour_(SetTextColor(dc, colour)),
      previousMode_(SetBkMode(dc, TRANSPARENT)) {}

TextScope::~TextScope() {
    SetBkMode(dc_, previousMode_);
    SetTextColor(dc_, previousColour_);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    FrameRect(dc, &rect, brush.get());
}

void FillFramed(HDC dc, const RECT& rect, COLORREF fill, COLORREF border) {
    FillSolid(dc, rect, fill);
    FrameSolid(dc, rect, border);
}

void ButtonFacePanel(HDC dc, const RECT& rect, UINT edge, UINT sides) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    RECT border = rect;
    DrawEdge(dc, &border, edge, sides);
}

void FillClient(HWND window, HDC dc, int colour) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(colour));
}

LRESULT ButtonFaceColours(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace win
