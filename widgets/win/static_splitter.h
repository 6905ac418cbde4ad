#pragma once
// Two panes side by side with a bar between them that the mouse can drag; neither pane is
// dragged narrower than the given minimum.
//
//   CStaticSplitter splitter;
//   splitter.Create(frame, 59648, rect, {220, 6, 120});
//   navigator.Create(splitter.hwnd(), ...);   // the panes are children of the splitter
//   view.Create(splitter.hwnd(), ...);
//   splitter.SetPanes(navigator.hwnd(), view.hwnd());

#include <windows.h>

#include "widgets/win/window.h"

class CStaticSplitter : public win::Window {
  public:
    struct Sizes {
        int initialLeft = 0;  // the left pane's first width
        int barWidth = 0;
        int minPane = 0;
    };
    bool Create(HWND parent, int id, const RECT& rect, const Sizes& sizes);
    void SetPanes(HWND left, HWND right);
    HWND Pane(int column) const { return column == 0 ? m_left : m_right; }
    int LeftWidth() const { return m_leftWidth; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    int ClampLeft(int requested) const;
    void Layout();
    bool OnBar(int x) const;
    void PaintBar(HDC dc);

    Sizes m_sizes;
    HWND m_left = nullptr;
    HWND m_right = nullptr;
    int m_leftWidth = 0;
    bool m_dragging = false;
    int m_dragOffset = 0;  // from the bar's left edge to the pointer, while dragging
};
