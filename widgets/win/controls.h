#pragma once
// Child controls of the system's classes ("BUTTON", "EDIT", WC_LISTVIEWW, ...) that no
// win::Window object is bound to, and the fonts they draw their text in.
//
//   HWND button = win::CreateControl(parent, kSelectId, L"BUTTON", L"Select",
//                                    WS_VISIBLE | WS_TABSTOP, 0, {190, 120, 310, 145}, font);
//   win::MoveTo(button, place);

#include <windows.h>

namespace win {

// A control with identifier `id` at `rect`, in the parent's client coordinates (an empty rect
// for one that a layout places next). WS_CHILD is added to `style`. With a `font` the control
// draws its text in it. nullptr when the control cannot be made.
HWND CreateControl(HWND parent, int id, const wchar_t* className, const wchar_t* text, DWORD style,
                   DWORD exStyle = 0, const RECT& rect = {}, HFONT font = nullptr);

// Moves a window to `rect`, in its parent's client coordinates, and repaints it.
void MoveTo(HWND window, const RECT& rect);

// The control draws its text in `font` (not owned) from its next repaint on.
void SetControlFont(HWND control, HFONT font);
// The system's font for dialogs and controls.
HFONT DefaultGuiFont();
// A proportional font of `face`. `height` is CreateFontW's: positive for the cell height,
// negative for the character height, in pixels. The caller owns it (win::Font).
HFONT CreateSwissFont(const wchar_t* face, int height, int weight, DWORD quality);

}  // namespace win
