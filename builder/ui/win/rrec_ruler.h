#pragma once
// CRRECRuler: the strip between the rich text toolbar and the edit area. It shows an inch
// scale and the tab stops of the paragraph with the caret; a stop can be dragged with the
// mouse, an inverted line over the edit area showing where it will go. The new position is
// told to the parent as kTabMovedMessage.

#include <windows.h>

#include <vector>

#include "widgets/win/window.h"

class CRRECRuler : public win::Window {
  public:
    // Sent to the parent when a dragged stop is dropped: wParam the stop's index, lParam its
    // new position in twips.
    static constexpr UINT kTabMovedMessage = WM_APP + 0x3C2;

    // False when the window class cannot be registered or the window created. `edit` is the
    // edit area the drag line is drawn over and whose text the scale starts at.
    bool Create(HWND parent, int id, const RECT& rect, HWND edit);
    void SetTabStops(const std::vector<int>& twips);
    const std::vector<int>& TabStops() const { return m_twips; }
    // Where stop `index` is marked, in the ruler's client coordinates; -1 for no such stop.
    int MarkX(size_t index) const;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    int PixelsPerInch() const;
    int TextLeft() const;
    // The stops' distances in pixels from where the text starts.
    std::vector<int> StopPixels() const;
    void Paint(HDC dc);
    void InvertDragLine(int x);

    HWND m_edit = nullptr;
    std::vector<int> m_twips;
    int m_dragIndex = -1;
    int m_dragX = -1;  // where the drag line is drawn, in ruler coordinates; -1 for none
};
