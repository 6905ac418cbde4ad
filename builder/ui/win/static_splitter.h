#pragma once
// The main window's client area: two panes side by side, the section navigator at the left
// and the section view at the right, with a bar between them that the mouse can drag.
//
//   CStaticSplitter splitter;
//   splitter.Create(frame, 59648, rect);
//   navigator.Create(splitter.hwnd(), ...);   // the panes are children of the splitter
//   view.Create(splitter.hwnd(), ...);
//   splitter.SetPanes(navigator.hwnd(), view.hwnd());

#include <windows.h>

#include "widgets/win/window.h"

class CStaticSplitter : public win::Window {
  public:
    bool Create(HWND parent, int id, const RECT& rect);
    void SetPanes(HWND left, HWND right);
    HWND Pane(int column) const { return column == 0 ? m_left : m_right; }
    int LeftWidth() const { return m_leftWidth; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout();
    bool OnBar(int x) const;
    void PaintBar(HDC dc);

    HWND m_left = nullptr;
    HWND m_right = nullptr;
    int m_leftWidth = 0;
    bool m_dragging = false;
    int m_dragOffset = 0;  // from the bar's left edge to the pointer, while dragging
};
