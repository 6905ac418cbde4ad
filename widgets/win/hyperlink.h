#pragma once
// CHyperLink turns a static text control of a dialog into a web link: drawn in link colours,
// underlined while the pointer is over it, the address as its tooltip, the hand cursor, and a
// click opens the address (through the shell, else through the registered ".htm" browser).
//
//   class WelcomePage : public win::Dialog {
//       CHyperLink m_link;                             // lives as long as the dialog
//       bool OnInit() override {
//           m_link.SetAddress(u"https://www.tessark.com/");
//           m_link.Attach(Item(IDC_LINK));             // the template's static control
//           return true;
//       }
//   };
//
// The link paints itself (text and background), so the dialog needs no WM_CTLCOLORSTATIC
// handling for it. Attach before the address is set takes the control's text as address; a
// control without text shows its address. The object must outlive the control or be
// destroyed first (its destructor gives the control back its own procedure).

#include <windows.h>

#include <string>

#include "widgets/win/handle.h"
#include "widgets/win/window.h"

class CHyperLink : public win::Window {
  public:
    CHyperLink();
    ~CHyperLink() override;

    // Takes over a static control: adds SS_NOTIFY, settles address and text, makes the fonts
    // and loads the cursor. False when the control cannot be subclassed. The tooltip is made
    // when the pointer first comes over the link.
    bool Attach(HWND control);

    void SetAddress(const std::u16string& address);
    const std::u16string& Address() const { return m_address; }
    void SetVisited(bool visited);
    bool Visited() const { return m_visited; }

    // Opens the address as a click does; true when something was started. A failure beeps
    // and shows why in a message box.
    bool Open();

    static constexpr COLORREF kLinkColour = RGB(0, 0, 238);
    static constexpr COLORREF kVisitedColour = RGB(85, 26, 139);
    static constexpr COLORREF kHoverColour = RGB(255, 0, 0);
    static constexpr UINT_PTR kHoverTimer = 100;
    static constexpr UINT kHoverCheckMs = 100;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    COLORREF TextColour() const;
    void UseFont(bool underlined);
    void Redraw();
    void Paint();
    void PointerMoved();
    void CheckPointerLeft();
    void LoadHandCursor();
    void CreateTooltip();
    void DestroyTooltip();

    std::u16string m_address = u" ";
    COLORREF m_backgroundColour;
    bool m_over = false;
    bool m_visited = false;
    HFONT m_normalFont = nullptr;  // the control's own font, or a stock font: not owned
    win::Font m_underlineFont;
    HCURSOR m_handCursor = nullptr;
    bool m_ownsCursor = false;  // a copied cursor is destroyed, the system's is not
    HWND m_tooltip = nullptr;
};
