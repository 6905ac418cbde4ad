#include "widgets/win/colour_popup.h"

#include <windowsx.h>

#include "widgets/win/handle.h"
#include "widgets/win/offscreen_surface.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"TessarkColourPopup";
const int kColumns = 8;
const int kRows = 5;
const int kColourCount = kColumns * kRows;
const int kAutomaticCell = kColourCount;
const int kMoreCell = kColourCount + 1;
const int kCell = 18;
const int kMargin = 4;
const int kTextRow = 22;
const int kWidth = 2 * kMargin + kColumns * kCell;
const int kHeight = 4 * kMargin + 2 * kTextRow + kRows * kCell;
const COLORREF kHotBorder = RGB(23, 112, 124);
const COLORREF kHotFill = RGB(221, 240, 238);

const COLORREF kColours[kColourCount] = {
    RGB(0, 0, 0),       RGB(153, 51, 0),    RGB(51, 51, 0),     RGB(0, 51, 0),
    RGB(0, 51, 102),    RGB(0, 0, 128),     RGB(51, 51, 153),   RGB(51, 51, 51),
    RGB(128, 0, 0),     RGB(255, 102, 0),   RGB(128, 128, 0),   RGB(0, 128, 0),
    RGB(0, 128, 128),   RGB(0, 0, 255),     RGB(102, 102, 153), RGB(128, 128, 128),
    RGB(255, 0, 0),     RGB(255, 153, 0),   RGB(153, 204, 0),   RGB(51, 153, 102),
    RGB(51, 204, 204),  RGB(51, 102, 255),  RGB(128, 0, 128),   RGB(153, 153, 153),
    RGB(255, 0, 255),   RGB(255, 204, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),
    RGB(0, 255, 255),   RGB(0, 204, 255),   RGB(153, 51, 102),  RGB(192, 192, 192),
    RGB(255, 153, 204), RGB(255, 204, 153), RGB(255, 255, 153), RGB(204, 255, 204),
    RGB(204, 255, 255), RGB(153, 204, 255), RGB(204, 153, 255), RGB(255, 255, 255),
};

}  // namespace

bool CColourPopup::Open(HWND owner, const RECT& anchor, COLORREF current,
                        const std::u16string& automatic, const std::u16string& moreColours) {
    if (hwnd()) return false;
    if (!win::Window::Register(kClassName, CS_DROPSHADOW, GetSysColorBrush(COLOR_MENU)))
        return false;
    m_owner = owner;
    m_current = current;
    m_automatic = automatic;
    m_moreColours = moreColours;
    // Kept on the screen of the anchor.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    int x = anchor.left;
    int y = anchor.bottom;
    if (x + kWidth > monitor.rcWork.right) x = monitor.rcWork.right - kWidth;
    if (y + kHeight > monitor.rcWork.bottom) y = anchor.top - kHeight;
    if (!win::Window::Create(kClassName, L"", WS_POPUP | WS_BORDER,
                             WS_EX_TOOLWINDOW | WS_EX_TOPMOST, x, y, kWidth + 2, kHeight + 2,
                             GetAncestor(owner, GA_ROOT), 0)) {
        return false;
    }
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(hwnd());
    return true;
}

RECT CColourPopup::CellRect(int cell) const {
    if (cell == kAutomaticCell) return {kMargin, kMargin, kWidth - kMargin, kMargin + kTextRow};
    if (cell == kMoreCell) {
        const int top = kHeight - kMargin - kTextRow;
        return {kMargin, top, kWidth - kMargin, top + kTextRow};
    }
    const int left = kMargin + (cell % kColumns) * kCell;
    const int top = 2 * kMargin + kTextRow + (cell / kColumns) * kCell;
    return {left, top, left + kCell, top + kCell};
}

int CColourPopup::HitTest(POINT point) const {
    for (int cell = 0; cell <= kMoreCell; ++cell) {
        RECT rect = CellRect(cell);
        if (PtInRect(&rect, point)) return cell;
    }
    return -1;
}

void CColourPopup::Finish(Choice choice, COLORREF colour) {
    if (m_finished) return;
    m_finished = true;
    PostMessageW(m_owner, kChoiceMessage, static_cast<WPARAM>(choice), static_cast<LPARAM>(colour));
    DestroyWindow(hwnd());
}

void CColourPopup::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    win::OffscreenSurface surface(dc, client);
    if (!surface) return;
    HDC memory = surface.dc();
    FillRect(memory, &client, GetSysColorBrush(COLOR_MENU));
    win::TextScope text(memory, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                        GetSysColor(COLOR_MENUTEXT));
    for (int cell = 0; cell <= kMoreCell; ++cell) {
        RECT rect = CellRect(cell);
        const bool chosen = (cell < kColourCount && kColours[cell] == m_current) ||
                            (cell == kAutomaticCell && m_current == CLR_DEFAULT);
        if (cell == m_hot || chosen) win::FillFramed(memory, rect, kHotFill, kHotBorder);
        if (cell < kColourCount) {
            RECT swatch = rect;
            InflateRect(&swatch, -3, -3);
            win::FillFramed(memory, swatch, kColours[cell], GetSysColor(COLOR_BTNSHADOW));
        } else {
            const std::u16string& label = cell == kAutomaticCell ? m_automatic : m_moreColours;
            DrawTextW(memory, win::W(label), -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    }
}

LRESULT CColourPopup::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            Paint(paint.dc());
            return 0;
        }
        case WM_MOUSEMOVE: {
            const int hot = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (hot != m_hot) {
                m_hot = hot;
                InvalidateRect(hwnd(), nullptr, FALSE);
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            const int cell = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (cell == kAutomaticCell) Finish(Choice::Automatic, CLR_DEFAULT);
            if (cell == kMoreCell) Finish(Choice::MoreColours, m_current);
            if (cell >= 0 && cell < kColourCount) Finish(Choice::Colour, kColours[cell]);
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) Finish(Choice::Cancelled, m_current);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) Finish(Choice::Cancelled, m_current);
            break;
        case WM_DESTROY:
            // Closed from outside (the owner went away): the owner still hears of it.
            if (!m_finished) {
                m_finished = true;
                PostMessageW(m_owner, kChoiceMessage, static_cast<WPARAM>(Choice::Cancelled), 0);
            }
            break;
    }
    return Default(message, wParam, lParam);
}
