#include "widgets/win/wnd_image.h"

#include "widgets/win/offscreen_surface.h"
#include "widgets/win/paint.h"

namespace {

const wchar_t kClassName[] = L"TessarkImageWnd";

}  // namespace

CWndImage::~CWndImage() {
    SetIcon(nullptr, false);
    SetBitmap(nullptr, false);
}

bool CWndImage::Create(HWND parent, int id, const RECT& rect, DWORD extraStyle) {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr)) return false;
    return win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE | extraStyle, 0, rect,
                                    parent, id) != nullptr;
}

void CWndImage::SetIcon(HICON icon, bool owned) {
    if (m_icon && m_ownsIcon && m_icon != icon) DestroyIcon(m_icon);
    m_icon = icon;
    m_ownsIcon = owned;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CWndImage::SetBitmap(HBITMAP bitmap, bool owned) {
    if (m_bitmap && m_ownsBitmap && m_bitmap != bitmap) DeleteObject(m_bitmap);
    m_bitmap = bitmap;
    m_ownsBitmap = owned;
    m_bitmapSize = {0, 0};
    BITMAP info = {};
    if (bitmap && GetObjectW(bitmap, sizeof(info), &info)) {
        m_bitmapSize = {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
    }
    Recompute();
}

void CWndImage::Clear() {
    SetBitmap(nullptr, false);
}

void CWndImage::SetFitMode(int mode) {
    m_fit.mode = widgets::NormalizeFitMode(mode);
    Recompute();
}

void CWndImage::SetAlignment(int horizontal, int vertical) {
    m_fit.horizontal = widgets::NormalizeAlignment(horizontal);
    m_fit.vertical = widgets::NormalizeAlignment(vertical);
    Recompute();
}

void CWndImage::SetBackground(COLORREF colour) {
    m_background = colour;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CWndImage::Recompute() {
    RECT client = {};
    if (hwnd()) GetClientRect(hwnd(), &client);
    m_destination = widgets::DestinationBox(m_fit, m_bitmapSize.cx, m_bitmapSize.cy, client.right,
                                            client.bottom);
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CWndImage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Recompute();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // Paint covers every pixel
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            RECT client;
            GetClientRect(hwnd(), &client);
            if (IsWindowVisible(hwnd())) Paint(paint.dc(), client);
            return 0;
        }
    }
    return Default(message, wParam, lParam);
}

void CWndImage::Paint(HDC dc, const RECT& client) {
    win::OffscreenSurface surface(dc, client);
    if (!surface) return;
    HDC memory = surface.dc();
    win::FillSolid(memory, client, m_background);
    if (m_icon) {
        const int cx = GetSystemMetrics(SM_CXICON);
        const int cy = GetSystemMetrics(SM_CYICON);
        DrawIconEx(memory, (client.right - cx) / 2, (client.bottom - cy) / 2, m_icon, cx, cy, 0,
                   nullptr, DI_NORMAL);
    } else if (m_bitmap) {
        PaintBitmap(memory, client);
    }
}

void CWndImage::PaintBitmap(HDC dc, const RECT& client) {
    if (m_destination.empty()) return;
    HDC source = CreateCompatibleDC(dc);
    if (!source) return;
    HGDIOBJ old = SelectObject(source, m_bitmap);
    const int w = m_bitmapSize.cx;
    const int h = m_bitmapSize.cy;
    const widgets::ImageBox& to = m_destination;
    switch (m_fit.mode) {
        case widgets::kFitActual:
            BitBlt(dc, to.left, to.top, w, h, source, 0, 0, SRCCOPY);
            break;
        case widgets::kFitTile:
            for (int y = 0; y < client.bottom; y += h) {
                for (int x = 0; x < client.right; x += w)
                    BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
            }
            break;
        default:
            SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, to.left, to.top, to.width(), to.height(), source, 0, 0, w, h, SRCCOPY);
            break;
    }
    SelectObject(source, old);
    DeleteDC(source);
}
