#pragma once
// CColourPopup: the palette that drops down from the colour picker: "Automatic" at the top,
// forty colours, "More Colours..." at the bottom. It closes itself when a choice is made,
// when Escape is pressed or when another window is activated, and tells its owner what
// happened with one posted message.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "widgets/win/window.h"

class CColourPopup : public win::Window {
  public:
    // Posted to the owner: wParam is a Choice, lParam the colour for Choice::Colour.
    static constexpr UINT kChoiceMessage = WM_APP + 0x3C1;
    enum class Choice : WPARAM { Cancelled = 0, Colour = 1, Automatic = 2, MoreColours = 3 };

    // Opens below `anchor` (screen coordinates) and takes the focus; false on failure.
    bool Open(HWND owner, const RECT& anchor, COLORREF current, const std::u16string& automatic,
              const std::u16string& moreColours);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // -1 none, 0 to 39 a colour, 40 Automatic, 41 More Colours.
    int HitTest(POINT point) const;
    RECT CellRect(int cell) const;
    void Paint(HDC dc);
    void Finish(Choice choice, COLORREF colour);

    HWND m_owner = nullptr;
    COLORREF m_current = CLR_DEFAULT;
    std::u16string m_automatic;
    std::u16string m_moreColours;
    int m_hot = -1;
    bool m_finished = false;
};
