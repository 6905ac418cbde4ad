#include "builder/ui/win/section_header.h"

#include "widgets/win/controls.h"
#include "widgets/win/offscreen_surface.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"TessarkSectionHeader";
const COLORREF kTitleColour = RGB(14, 42, 64);
const COLORREF kTextColour = RGB(22, 59, 78);
const int kIconSize = 32;
const int kMargin = 14;

HFONT MakeFont(int height, int weight) {
    return win::CreateSwissFont(L"Tahoma", -height, weight, CLEARTYPE_QUALITY);
}

}  // namespace

bool CSectionHeader::Create(HWND parent, int id, const RECT& rect) {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr)) return false;
    m_titleFont.reset(MakeFont(16, FW_BOLD));
    m_textFont.reset(MakeFont(12, FW_NORMAL));
    return win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE, 0, rect, parent, id) !=
           nullptr;
}

void CSectionHeader::SetSection(HICON icon, const std::u16string& title,
                                const std::u16string& description) {
    m_icon = icon;
    m_title = title;
    m_description = description;
    if (hwnd()) {
        SetWindowTextW(hwnd(), win::W(title));  // for accessibility tools and tests
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

LRESULT CSectionHeader::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            RECT client;
            GetClientRect(hwnd(), &client);
            Paint(paint.dc(), client);
            return 0;
        }
    }
    return Default(message, wParam, lParam);
}

void CSectionHeader::Paint(HDC dc, const RECT& client) {
    win::OffscreenSurface surface(dc, client);
    if (!surface) return;
    HDC memory = surface.dc();
    FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT line = client;
    DrawEdge(memory, &line, EDGE_ETCHED, BF_BOTTOM);

    int textLeft = kMargin;
    if (m_icon) {
        DrawIconEx(memory, kMargin, (client.bottom - kIconSize) / 2, m_icon, kIconSize, kIconSize,
                   0, nullptr, DI_NORMAL);
        textLeft += kIconSize + kMargin;
    }
    {
        win::TextScope titleLook(memory, m_titleFont.get(), kTitleColour);
        RECT title = {textLeft, 6, client.right - kMargin, 26};
        DrawTextW(memory, win::W(m_title), -1, &title,
                  DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    win::TextScope textLook(memory, m_textFont.get(), kTextColour);
    RECT text = {textLeft, 26, client.right - kMargin, client.bottom - 3};
    DrawTextW(memory, win::W(m_description), -1, &text,
              DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
}
