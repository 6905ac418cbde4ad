#include "builder/ui/win/rrec_ruler.h"

#include <windowsx.h>

#include "widgets/ruler_rules.h"
#include "widgets/win/handle.h"
#include "widgets/win/offscreen_surface.h"
#include "widgets/win/paint.h"

namespace {

const wchar_t kClassName[] = L"TessarkRuler";
const COLORREF kTabColour = RGB(14, 42, 64);

}  // namespace

bool CRRECRuler::Create(HWND parent, int id, const RECT& rect, HWND edit) {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr)) return false;
    m_edit = edit;
    return win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE, 0, rect, parent, id) !=
           nullptr;
}

void CRRECRuler::SetTabStops(const std::vector<int>& twips) {
    if (twips == m_twips) return;
    m_twips = twips;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

int CRRECRuler::PixelsPerInch() const {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int CRRECRuler::TextLeft() const {
    // Where the edit area's text starts, in the ruler's coordinates.
    RECT format = {};
    SendMessageW(m_edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    POINT origin = {format.left, 0};
    MapWindowPoints(m_edit, hwnd(), &origin, 1);
    return origin.x;
}

std::vector<int> CRRECRuler::StopPixels() const {
    std::vector<int> pixels;
    const int dpi = PixelsPerInch();
    for (int twips : m_twips) pixels.push_back(widgets::TwipsToPixels(twips, dpi));
    return pixels;
}

int CRRECRuler::MarkX(size_t index) const {
    const std::vector<int> stops = StopPixels();
    return index < stops.size() ? TextLeft() + stops[index] : -1;
}

void CRRECRuler::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    win::OffscreenSurface surface(dc, client);
    if (!surface) return;
    HDC memory = surface.dc();
    FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
    const int left = TextLeft();
    RECT strip = {left, 4, client.right - 4, client.bottom - 4};
    FillRect(memory, &strip, GetSysColorBrush(COLOR_WINDOW));
    DrawEdge(memory, &strip, BDR_SUNKENOUTER, BF_RECT);

    // Ticks every eighth of an inch, longer at halves, numbers at whole inches.
    const int dpi = PixelsPerInch();
    win::TextScope text(memory, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                        GetSysColor(COLOR_BTNTEXT));
    const int middle = (strip.top + strip.bottom) / 2;
    for (int eighth = 1;; ++eighth) {
        const int x = left + eighth * dpi / 8;
        if (x >= strip.right - 1) break;
        if (eighth % 8 == 0) {
            wchar_t number[8];
            wsprintfW(number, L"%d", eighth / 8);
            RECT label = {x - 10, strip.top, x + 10, strip.bottom};
            DrawTextW(memory, number, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        } else {
            const int half = eighth % 4 == 0 ? 3 : 1;
            MoveToEx(memory, x, middle - half, nullptr);
            LineTo(memory, x, middle + half + 1);
        }
    }
    // Each tab stop as a small "L" standing on the strip's bottom edge.
    win::GdiObject pen(CreatePen(PS_SOLID, 2, kTabColour));
    win::SelectScope selected(memory, pen.get());
    for (int offset : StopPixels()) {
        const int x = left + offset;
        if (x >= strip.right) break;
        MoveToEx(memory, x, strip.bottom - 8, nullptr);
        LineTo(memory, x, strip.bottom - 2);
        LineTo(memory, x + 5, strip.bottom - 2);
    }
}

void CRRECRuler::InvertDragLine(int x) {
    // The line runs down the edit area, at the same screen x as the ruler's mark.
    POINT point = {x, 0};
    MapWindowPoints(hwnd(), m_edit, &point, 1);
    RECT edit;
    GetClientRect(m_edit, &edit);
    HDC dc = GetDCEx(m_edit, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc) return;
    PatBlt(dc, point.x, 0, 1, edit.bottom, DSTINVERT);
    ReleaseDC(m_edit, dc);
}

LRESULT CRRECRuler::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            Paint(paint.dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN: {
            const int left = TextLeft();
            const std::vector<int> stops = StopPixels();
            m_dragIndex = widgets::GrabbedTabStop(stops, GET_X_LPARAM(lParam) - left);
            if (m_dragIndex < 0) return 0;
            SetCapture(hwnd());
            m_dragX = left + stops[m_dragIndex];
            InvertDragLine(m_dragX);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (m_dragIndex >= 0 && GetCapture() == hwnd()) {
                const int left = TextLeft();
                const int x = left + widgets::DraggedTabStop(StopPixels(), m_dragIndex,
                                                             GET_X_LPARAM(lParam) - left);
                if (x != m_dragX) {
                    InvertDragLine(m_dragX);
                    m_dragX = x;
                    InvertDragLine(m_dragX);
                }
            }
            return 0;
        case WM_LBUTTONUP:
            if (m_dragIndex >= 0 && GetCapture() == hwnd()) {
                const int index = m_dragIndex;
                const int x = m_dragX;
                ReleaseCapture();  // WM_CAPTURECHANGED erases the line
                const int twips = widgets::PixelsToTwips(x - TextLeft(), PixelsPerInch());
                SendMessageW(GetParent(hwnd()), kTabMovedMessage, index, twips);
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (m_dragX >= 0) InvertDragLine(m_dragX);
            m_dragX = -1;
            m_dragIndex = -1;
            return 0;
    }
    return Default(message, wParam, lParam);
}
