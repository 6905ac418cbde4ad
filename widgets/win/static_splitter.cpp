#include "widgets/win/static_splitter.h"

#include <windowsx.h>

#include "widgets/split_layout.h"
#include "widgets/win/paint.h"

namespace {

const wchar_t kClassName[] = L"TessarkSplitter";

}  // namespace

bool CStaticSplitter::Create(HWND parent, int id, const RECT& rect, const Sizes& sizes) {
    if (!win::Window::Register(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE),
                               LoadCursorW(nullptr, IDC_SIZEWE))) {
        return false;
    }
    m_sizes = sizes;
    m_leftWidth = sizes.initialLeft;
    return win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                    WS_EX_CONTROLPARENT, rect, parent, id) != nullptr;
}

void CStaticSplitter::SetPanes(HWND left, HWND right) {
    m_left = left;
    m_right = right;
    Layout();
}

int CStaticSplitter::ClampLeft(int requested) const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return widgets::ClampSplitLeft(requested, client.right, m_sizes.barWidth, m_sizes.minPane);
}

void CStaticSplitter::Layout() {
    RECT client;
    GetClientRect(hwnd(), &client);
    // The left pane keeps its width while the window is big enough for both panes.
    const int left = ClampLeft(m_leftWidth);
    const int rightStart = left + m_sizes.barWidth;
    if (m_left) MoveWindow(m_left, 0, 0, left, client.bottom, TRUE);
    if (m_right) {
        MoveWindow(m_right, rightStart, 0,
                   client.right > rightStart ? client.right - rightStart : 0, client.bottom, TRUE);
    }
}

bool CStaticSplitter::OnBar(int x) const {
    const int left = ClampLeft(m_leftWidth);
    return x >= left && x < left + m_sizes.barWidth;
}

void CStaticSplitter::PaintBar(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int left = ClampLeft(m_leftWidth);
    RECT bar = {left, 0, left + m_sizes.barWidth, client.bottom};
    win::ButtonFacePanel(dc, bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
}

LRESULT CStaticSplitter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            PaintBar(paint.dc());
            return 0;
        }
        case WM_LBUTTONDOWN: {
            const int x = GET_X_LPARAM(lParam);
            if (!OnBar(x)) break;
            m_dragOffset = x - ClampLeft(m_leftWidth);
            m_dragging = true;
            SetCapture(hwnd());
            return 0;
        }
        case WM_MOUSEMOVE:
            if (m_dragging) {
                m_leftWidth = ClampLeft(GET_X_LPARAM(lParam) - m_dragOffset);
                Layout();
                InvalidateRect(hwnd(), nullptr, TRUE);
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (m_dragging) {
                m_dragging = false;
                if (GetCapture() == hwnd()) ReleaseCapture();
            }
            return 0;
    }
    return Default(message, wParam, lParam);
}
