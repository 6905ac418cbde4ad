#include "builder/ui/win/my_toolbar.h"

#include "widgets/win/controls.h"
#include "widgets/win/handle.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const int kToolbarHeight = 32;
const int kGripperWidth = 8;
const COLORREF kTopColour = RGB(255, 255, 255);
const COLORREF kBottomColour = RGB(221, 232, 234);
const COLORREF kHotFill = RGB(236, 246, 245);
const COLORREF kPressedFill = RGB(200, 228, 225);
const COLORREF kBorder = RGB(23, 112, 124);

COLORREF Mix(COLORREF a, COLORREF b, int step, int steps) {
    auto channel = [&](int x, int y) { return x + (y - x) * step / steps; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

}  // namespace

CMyToolBar::~CMyToolBar() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool CMyToolBar::Create(HWND parent, int id, HINSTANCE instance, int bitmapId, SIZE imageSize,
                        const Button* buttons, int count) {
    if (hwnd()) return false;
    HWND bar = win::CreateControl(parent, id, TOOLBARCLASSNAMEW, L"",
                                  WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST |
                                      TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP,
                                  0, {0, 0, 0, kToolbarHeight});
    if (!AttachCreated(bar)) return false;
    m_images.reset(win::LoadImageStrip(instance, bitmapId, imageSize.cx, imageSize.cy));
    if (!m_images) return false;
    m_imageSize = imageSize;
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.get()));
    // Room for the gripper at the left.
    SendMessageW(bar, TB_SETINDENT, kGripperWidth, 0);
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        if (buttons[i].command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = buttons[i].image;
            button.idCommand = buttons[i].command;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
            button.iString = reinterpret_cast<INT_PTR>(win::W(buttons[i].text));
        }
        SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(48, kToolbarHeight));
    Resize();
    return true;
}

void CMyToolBar::EnableButton(int command, bool enabled) {
    if (hwnd())
        SendMessageW(hwnd(), TB_ENABLEBUTTON, command, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void CMyToolBar::Resize() {
    if (!hwnd()) return;
    RECT parent;
    GetClientRect(GetParent(hwnd()), &parent);
    SetWindowPos(hwnd(), nullptr, 0, 0, parent.right, Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

int CMyToolBar::Height() const {
    return kToolbarHeight + 4;
}

bool CMyToolBar::OnNotify(const NMHDR& header, LRESULT* result) {
    if (header.hwndFrom != hwnd() || header.code != NM_CUSTOMDRAW) return false;
    const auto& draw = reinterpret_cast<const NMTBCUSTOMDRAW&>(header);
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            *result = CDRF_NOTIFYITEMDRAW;
            return true;
        case CDDS_ITEMPREPAINT:
            *result = DrawButton(draw);
            return true;
        default:
            *result = CDRF_DODEFAULT;
            return true;
    }
}

LRESULT CMyToolBar::DrawButton(const NMTBCUSTOMDRAW& draw) {
    HDC dc = draw.nmcd.hdc;
    const RECT& rect = draw.nmcd.rc;
    const UINT state = draw.nmcd.uItemState;
    const bool disabled = (state & (CDIS_DISABLED | CDIS_GRAYED)) != 0;
    const bool pressed = (state & (CDIS_SELECTED | CDIS_CHECKED)) != 0;
    const bool hot = (state & CDIS_HOT) != 0;
    if (!disabled && (pressed || hot)) {
        win::FillFramed(dc, rect, pressed ? kPressedFill : kHotFill, kBorder);
    }
    const int command = static_cast<int>(draw.nmcd.dwItemSpec);
    TBBUTTONINFOW info = {};
    info.cbSize = sizeof(info);
    wchar_t text[128] = {};
    info.dwMask = TBIF_IMAGE | TBIF_TEXT;
    info.pszText = text;
    info.cchText = static_cast<int>(sizeof(text) / sizeof(text[0]));
    SendMessageW(hwnd(), TB_GETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));

    const int shift = pressed ? 1 : 0;
    const int imageTop = rect.top + (rect.bottom - rect.top - m_imageSize.cy) / 2 + shift;
    ImageList_Draw(m_images.get(), info.iImage, dc, rect.left + 4 + shift, imageTop,
                   ILD_TRANSPARENT | (disabled ? ILD_BLEND50 : 0));
    win::TextScope textLook(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)),
                            GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT label = {rect.left + 4 + m_imageSize.cx + 4 + shift, rect.top + shift, rect.right,
                  rect.bottom + shift};
    DrawTextW(dc, text, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    return CDRF_SKIPDEFAULT;
}

LRESULT CMyToolBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        PaintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    return Default(message, wParam, lParam);
}

void CMyToolBar::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    // A soft vertical gradient in flat bands, then the gripper and the bottom border.
    const int bands = 16;
    for (int i = 0; i < bands; ++i) {
        RECT band = {0, client.bottom * i / bands, client.right, client.bottom * (i + 1) / bands};
        win::FillSolid(dc, band, Mix(kTopColour, kBottomColour, i, bands - 1));
    }
    win::Brush dots(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    for (int y = 5; y < client.bottom - 5; y += 3) {
        RECT dot = {3, y, 5, y + 2};
        FillRect(dc, &dot, dots.get());
    }
    RECT bottom = client;
    DrawEdge(dc, &bottom, BDR_SUNKENOUTER, BF_BOTTOM);
}
