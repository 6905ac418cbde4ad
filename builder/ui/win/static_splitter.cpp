#include "builder/ui/win/static_splitter.h"

#include <windowsx.h>

#include "builder/ui/frame_layout.h"
#include "widgets/win/paint.h"

namespace {

const wchar_t kClassName[] = L"TessarkSplitter";

}  // namespace

bool CStaticSplitter::Create(HWND parent, int id, const RECT& rect) {
    if (!win::Window::Register(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE),
                               LoadCursorW(nullptr, IDC_SIZEWE))) {
        return false;
    }
    m_leftWidth = ui::kInitialNavigatorWidth;
    return win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                    WS_EX_CONTROLPARENT, rect, parent, id) != nullptr;
}

void CStaticSplitter::SetPanes(HWND left, HWND right) {
    m_left = left;
    m_right = right;
    Layout();
}

void CStaticSplitter::Layout() {
    RECT client;
    GetClientRect(hwnd(), &client);
    // The navigator keeps its width while the window is big enough for both panes.
    const int left = ui::ClampNavigatorWidth(m_leftWidth, client.right);
    const int rightStart = left + ui::kSplitterBarWidth;
    if (m_left) MoveWindow(m_left, 0, 0, left, client.bottom, TRUE);
    if (m_right) {
        MoveWindow(m_right, rightStart, 0,
                   client.right > rightStart ? client.right - rightStart : 0, client.bottom, TRUE);
    }
}

bool CStaticSplitter::OnBar(int x) const {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int left = ui::ClampNavigatorWidth(m_leftWidth, client.right);
    return x >= left && x < left + ui::kSplitterBarWidth;
}

void CStaticSplitter::PaintBar(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int left = ui::ClampNavigatorWidth(m_leftWidth, client.right);
    RECT bar = {left, 0, left + ui::kSplitterBarWidth, client.bottom};
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
            RECT client;
            GetClientRect(hwnd(), &client);
            m_dragOffset = x - ui::ClampNavigatorWidth(m_leftWidth, client.right);
            m_dragging = true;
            SetCapture(hwnd());
            return 0;
        }
        case WM_MOUSEMOVE:
            if (m_dragging) {
                RECT client;
                GetClientRect(hwnd(), &client);
                m_leftWidth =
                    ui::ClampNavigatorWidth(GET_X_LPARAM(lParam) - m_dragOffset, client.right);
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
