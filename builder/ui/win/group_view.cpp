#include "builder/ui/win/group_view.h"

#include "builder/ui/sections.h"
#include "builder/ui/win/builder_resource_ids.h"
#include "widgets/win/controls.h"
#include "widgets/win/offscreen_surface.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"TessarkGroupView";
const COLORREF kUpdateColour = RGB(255, 0, 0);
const COLORREF kCaptionColour = RGB(14, 42, 64);
const int kSectionIconSize = 32;
const int kUpdateIconSize = 16;

HFONT MakeFont(int height, int weight) {
    return win::CreateSwissFont(L"Tahoma", -height, weight, CLEARTYPE_QUALITY);
}

}  // namespace

bool CGroupView::Create(HWND parent, int id, const RECT& rect, Owner* owner) {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr)) return false;
    m_owner = owner;
    m_font.reset(MakeFont(13, FW_NORMAL));
    m_updateFont.reset(MakeFont(13, FW_BOLD));
    if (!win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  WS_EX_CONTROLPARENT, rect, parent, id)) {
        return false;
    }
    return CreateButtons();
}

bool CGroupView::CreateButtons() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RECT client;
    GetClientRect(hwnd(), &client);
    for (int k = 0; k < ui::kNavigatorButtonCount; ++k) {
        const ui::Box box = ui::NavigatorButtonRect(k, client.right);
        const bool section = k < ui::kSectionCount;
        const std::u16string caption = section ? ui::kSections[k].caption : u"";
        // Created hidden, shown once all nine exist.
        if (!m_buttons[k].Create(hwnd(), kFirstButtonId + k, caption,
                                 {box.left, box.top, box.right, box.bottom}, 0)) {
            return false;
        }
        m_buttons[k].SetFont(section ? m_font.get() : m_updateFont.get());
        m_buttons[k].SetTextColours(kCaptionColour, kCaptionColour);
        if (section) {
            HICON icon = static_cast<HICON>(
                LoadImageW(instance, MAKEINTRESOURCEW(ui::kSections[k].iconId), IMAGE_ICON,
                           kSectionIconSize, kSectionIconSize, LR_DEFAULTCOLOR));
            m_buttons[k].SetIcon(icon, kSectionIconSize, true);
        }
    }
    for (CButtonST& button : m_buttons) ShowWindow(button.hwnd(), SW_SHOW);
    MarkSection(ui::kProjectInfoSection);
    return true;
}

void CGroupView::MarkSection(int section) {
    for (int k = 0; k < ui::kSectionCount; ++k) m_buttons[k].SetCurrent(k == section);
}

int CGroupView::MarkedSection() const {
    for (int k = 0; k < ui::kSectionCount; ++k) {
        if (m_buttons[k].IsCurrent()) return k;
    }
    return -1;
}

void CGroupView::ShowUpdate(const std::u16string& text) {
    CButtonST& button = m_buttons[ui::kUpdateButtonIndex];
    button.SetTextColours(kUpdateColour, kUpdateColour);
    SetWindowTextW(button.hwnd(), win::W(text));
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                               MAKEINTRESOURCEW(IDI_UPDATE), IMAGE_ICON,
                                               kUpdateIconSize, kUpdateIconSize, LR_DEFAULTCOLOR));
    button.SetIcon(icon, kUpdateIconSize, true);
    InvalidateRect(button.hwnd(), nullptr, TRUE);
}

void CGroupView::Layout() {
    RECT client;
    GetClientRect(hwnd(), &client);
    for (int k = 0; k < ui::kNavigatorButtonCount; ++k) {
        const ui::Box box = ui::NavigatorButtonRect(k, client.right);
        win::MoveTo(m_buttons[k].hwnd(), {box.left, box.top, box.right, box.bottom});
    }
}

void CGroupView::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    win::OffscreenSurface surface(dc, client);
    HDC memory = surface ? surface.dc() : dc;
    win::ButtonFacePanel(memory, client, BDR_RAISEDINNER, BF_RECT);
    win::GdiObject pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    win::SelectScope selected(memory, pen.get());
    for (int k = 0; k < ui::kSectionCount; ++k) {
        const ui::Box line = ui::NavigatorSeparator(k, client.right);
        MoveToEx(memory, line.left, line.top, nullptr);
        LineTo(memory, line.right, line.top);
    }
}

LRESULT CGroupView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            Paint(paint.dc());
            return 0;
        }
        case WM_DRAWITEM:
            if (CButtonST::Reflect(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_COMMAND: {
            const int index = static_cast<int>(LOWORD(wParam)) - kFirstButtonId;
            if (HIWORD(wParam) != BN_CLICKED || index < 0 || index >= ui::kNavigatorButtonCount) {
                break;
            }
            if (!m_owner) return 0;
            if (index == ui::kUpdateButtonIndex) {
                m_owner->OnUpdateButton();
            } else {
                m_owner->OnSectionChosen(index);
            }
            return 0;
        }
    }
    return Default(message, wParam, lParam);
}
