#pragma once
// CColourPicker: a colour button, such as a rich text toolbar's text colour. It shows the colour
// in use and drops down a CColourPopup; its "more colours" entry opens the system's colour
// dialog. A new
// choice is told to the parent as WM_COMMAND with the notification kColourChanged.

#include <windows.h>

#include <memory>
#include <string>

#include "widgets/win/colour_popup.h"
#include "widgets/win/window.h"

class CColourPicker : public win::Window {
  public:
    static constexpr WORD kColourChanged = 1;

    // The owner's texts: the button's window text, the popup's "automatic" entry and its entry
    // that opens the colour dialog.
    struct Texts {
        std::u16string title;
        std::u16string automatic;
        std::u16string more;
    };
    // False when the window class cannot be registered or the window created.
    bool Create(HWND parent, int id, const RECT& rect, const Texts& texts);

    // CLR_DEFAULT stands for "Automatic", the system's text colour.
    COLORREF Colour() const { return m_colour; }
    void SetColour(COLORREF colour);
    void DropDown();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc);
    void Choose(COLORREF colour);
    void OnPopupChoice(CColourPopup::Choice choice, COLORREF colour);

    COLORREF m_colour = CLR_DEFAULT;
    std::unique_ptr<CColourPopup> m_popup;
    std::u16string m_automaticText;
    std::u16string m_moreText;
    bool m_hover = false;
};
