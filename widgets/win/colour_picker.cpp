#include "widgets/win/colour_picker.h"

#include <commdlg.h>

#include "widgets/win/handle.h"
#include "widgets/win/offscreen_surface.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"TessarkColourPicker";
const COLORREF kHoverFill = RGB(236, 246, 245);
const COLORREF kHoverBorder = RGB(23, 112, 124);

}  // namespace

bool CColourPicker::Create(HWND parent, int id, const RECT& rect, const Texts& texts) {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr)) return false;
    m_automaticText = texts.automatic;
    m_moreText = texts.more;
    return win::Window::CreateChild(kClassName, win::W(texts.title),
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, rect, parent,
                                    id) != nullptr;
}

void CColourPicker::SetColour(COLORREF colour) {
    m_colour = colour;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CColourPicker::DropDown() {
    if (m_popup) return;
    RECT anchor;
    GetWindowRect(hwnd(), &anchor);
    m_popup = std::make_unique<CColourPopup>();
    if (!m_popup->Open(hwnd(), anchor, m_colour, m_automaticText, m_moreText)) m_popup.reset();
}

void CColourPicker::Choose(COLORREF colour) {
    SetColour(colour);
    SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), kColourChanged),
                 reinterpret_cast<LPARAM>(hwnd()));
}

void CColourPicker::OnPopupChoice(CColourPopup::Choice choice, COLORREF colour) {
    m_popup.reset();
    switch (choice) {
        case CColourPopup::Choice::Colour:
            Choose(colour);
            break;
        case CColourPopup::Choice::Automatic:
            Choose(CLR_DEFAULT);
            break;
        case CColourPopup::Choice::MoreColours: {
            static COLORREF custom[16] = {};
            CHOOSECOLORW request = {};
            request.lStructSize = sizeof(request);
            request.hwndOwner = GetAncestor(hwnd(), GA_ROOT);
            request.rgbResult = m_colour == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : m_colour;
            request.lpCustColors = custom;
            request.Flags = CC_RGBINIT | CC_FULLOPEN;
            if (ChooseColorW(&request)) Choose(request.rgbResult);
            break;
        }
        case CColourPopup::Choice::Cancelled:
            break;
    }
}

void CColourPicker::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    win::OffscreenSurface surface(dc, client);
    if (!surface) return;
    HDC memory = surface.dc();
    FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (m_hover || m_popup) win::FillFramed(memory, client, kHoverFill, kHoverBorder);
    // The swatch, then the drop-down arrow at the right.
    RECT swatch = {4, 4, client.right - 14, client.bottom - 4};
    win::FillSolid(memory, swatch,
                   m_colour == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : m_colour);
    FrameRect(memory, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
    const int x = client.right - 10;
    const int y = client.bottom / 2 - 1;
    POINT arrow[] = {{x, y}, {x + 5, y}, {x + 2, y + 3}};
    win::SelectScope brush(memory, GetStockObject(BLACK_BRUSH));
    win::SelectScope pen(memory, GetStockObject(BLACK_PEN));
    Polygon(memory, arrow, 3);
}

LRESULT CColourPicker::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            Paint(paint.dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONUP:
            DropDown();
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE || wParam == VK_RETURN || wParam == VK_DOWN) DropDown();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_MOUSEMOVE:
            if (!m_hover) {
                m_hover = true;
                TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd(), 0};
                TrackMouseEvent(&track);
                InvalidateRect(hwnd(), nullptr, FALSE);
            }
            return 0;
        case WM_MOUSELEAVE:
            m_hover = false;
            InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        case CColourPopup::kChoiceMessage:
            OnPopupChoice(static_cast<CColourPopup::Choice>(wParam), static_cast<COLORREF>(lParam));
            return 0;
    }
    return Default(message, wParam, lParam);
}
