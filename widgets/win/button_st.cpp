#include "widgets/win/button_st.h"

#include "widgets/win/controls.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

// Sent by Reflect() to the button itself; only a CButtonST answers kDrawn.
const UINT kDrawSelf = WM_APP + 0x3E5;
const LRESULT kDrawn = 0x57;

// The "current" and hover fills: light and mid teal, matching the program's artwork.
const COLORREF kCurrentFill = RGB(221, 240, 238);
const COLORREF kHoverFill = RGB(236, 246, 245);
const COLORREF kPressedFill = RGB(200, 228, 225);
const COLORREF kMarkBorder = RGB(23, 112, 124);

}  // namespace

CButtonST::~CButtonST() {
    if (m_ownsIcon && m_icon) DestroyIcon(m_icon);
    if (HWND button = hwnd()) {
        Detach();
        DestroyWindow(button);
    }
}

bool CButtonST::Create(HWND parent, int id, const std::u16string& text, const RECT& rect,
                       DWORD extraStyle) {
    if (hwnd()) return false;
    return AttachCreated(win::CreateControl(parent, id, L"BUTTON", win::W(text),
                                            WS_TABSTOP | BS_OWNERDRAW | extraStyle, 0, rect));
}

void CButtonST::SetIcon(HICON icon, int size, bool owned) {
    if (m_ownsIcon && m_icon && m_icon != icon) DestroyIcon(m_icon);
    m_icon = icon;
    m_iconSize = size;
    m_ownsIcon = owned;
    Redraw();
}

void CButtonST::SetFont(HFONT font) {
    m_font = font;
    Redraw();
}

void CButtonST::SetFlat(bool flat) {
    m_flat = flat;
    Redraw();
}

void CButtonST::SetCurrent(bool current) {
    if (m_current == current) return;
    m_current = current;
    Redraw();
}

void CButtonST::SetTextColours(COLORREF normal, COLORREF pressed) {
    m_normalText = normal;
    m_pressedText = pressed;
    Redraw();
}

bool CButtonST::Reflect(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON || !item.hwndItem) return false;
    return SendMessageW(item.hwndItem, kDrawSelf, 0, reinterpret_cast<LPARAM>(&item)) == kDrawn;
}

void CButtonST::Redraw() {
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CButtonST::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kDrawSelf:
            Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return kDrawn;
        case WM_MOUSEMOVE:
            if (!m_hover) {
                m_hover = true;
                TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd(), 0};
                TrackMouseEvent(&track);
                Redraw();
            }
            break;
        case WM_MOUSELEAVE:
            m_hover = false;
            Redraw();
            break;
        case WM_ERASEBKGND:
            return 1;  // Draw fills the whole button
    }
    return Default(message, wParam, lParam);
}

void CButtonST::Draw(const DRAWITEMSTRUCT& item) {
    const RECT& rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    HDC dc = item.hDC;

    win::FillSolid(dc, rect, GetSysColor(COLOR_BTNFACE));
    RECT inner = rect;
    if (pressed) {
        win::FillFramed(dc, rect, kPressedFill, kMarkBorder);
    } else if (m_current) {
        win::FillFramed(dc, rect, kCurrentFill, kMarkBorder);
        // A bar along the left edge marks the current section.
        RECT bar = {rect.left, rect.top, rect.left + 4, rect.bottom};
        win::FillSolid(dc, bar, kMarkBorder);
    } else if (m_hover && !disabled) {
        win::FillFramed(dc, rect, kHoverFill, kMarkBorder);
    } else if (!m_flat) {
        DrawEdge(dc, &inner, EDGE_RAISED, BF_RECT);
    }

    const int shift = pressed ? 1 : 0;
    int textLeft = rect.left + 10;
    if (m_icon && m_iconSize > 0) {
        const int top = rect.top + (rect.bottom - rect.top - m_iconSize) / 2 + shift;
        DrawState(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(m_icon), 0, textLeft + shift, top,
                  m_iconSize, m_iconSize, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
        textLeft += m_iconSize + 8;
    }

    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd(), &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    HFONT font = m_font ? m_font : reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    // Held to the end, so that the focus rectangle is drawn with the text's colours.
    win::TextScope textLook(dc, font,
                            disabled  ? GetSysColor(COLOR_GRAYTEXT)
                            : pressed ? m_pressedText
                                      : m_normalText);
    RECT textRect = {textLeft + shift, rect.top + shift, rect.right - 6, rect.bottom + shift};
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS |
                        ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0) |
                        (m_icon ? DT_LEFT : DT_CENTER);
    if (!m_icon) textRect.left = rect.left + 4;
    DrawTextW(dc, text.c_str(), -1, &textRect, format);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}
