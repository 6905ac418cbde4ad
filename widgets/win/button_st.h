#pragma once
// CButtonST: an owner-drawn push button with an icon and a text, flat until the pointer is
// over it, with its own text colours for the normal and the pressed state and a "current"
// mark (the section navigator marks the section on show). CButtonST2 is the same button with
// a raised border at all times, for places where a flat button would not read as a button.
//
//   CButtonST button;
//   button.Create(parent, 1001, u"Project Info", {14, 22, 206, 59});
//   button.SetIcon(icon, 32, false);
//   // in the parent's WM_DRAWITEM:  if (CButtonST::Reflect(*item)) return TRUE;
//
// The button is a real "Button" window (BS_OWNERDRAW), so it clicks, focuses and answers
// BM_CLICK as any other; only its drawing is ours.

#include <windows.h>

#include <string>

#include "widgets/win/window.h"

class CButtonST : public win::Window {
  public:
    CButtonST() = default;
    ~CButtonST() override;

    // False when the window cannot be created.
    bool Create(HWND parent, int id, const std::u16string& text, const RECT& rect,
                DWORD extraStyle = WS_VISIBLE);

    // `size` is the width and height the icon is drawn at; an owned icon is destroyed with
    // the button or when replaced.
    void SetIcon(HICON icon, int size, bool owned);
    void SetFont(HFONT font);  // not owned
    void SetFlat(bool flat);
    void SetCurrent(bool current);
    bool IsCurrent() const { return m_current; }
    void SetTextColours(COLORREF normal, COLORREF pressed);

    // Draws the button for its parent's WM_DRAWITEM; false when `item` is not one of ours.
    static bool Reflect(const DRAWITEMSTRUCT& item);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Draw(const DRAWITEMSTRUCT& item);
    void Redraw();

    HICON m_icon = nullptr;
    int m_iconSize = 0;
    bool m_ownsIcon = false;
    HFONT m_font = nullptr;
    bool m_flat = true;
    bool m_current = false;
    bool m_hover = false;
    COLORREF m_normalText = GetSysColor(COLOR_BTNTEXT);
    COLORREF m_pressedText = GetSysColor(COLOR_BTNTEXT);
};

class CButtonST2 : public CButtonST {
  public:
    CButtonST2() { SetFlat(false); }
};
