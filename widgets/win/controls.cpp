#include "widgets/win/controls.h"

namespace win {

HWND CreateControl(HWND parent, int id, const wchar_t* className, const wchar_t* text, DWORD style,
                   DWORD exStyle, const RECT& rect, HFONT font) {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control && font) SetControlFont(control, font);
    return control;
}

void MoveTo(HWND window, const RECT& rect) {
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void SetControlFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

HFONT DefaultGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT CreateSwissFont(const wchar_t* face, int height, int weight, DWORD quality) {
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_SWISS,
                       face);
}

}  // namespace win
