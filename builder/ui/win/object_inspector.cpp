#include "builder/ui/win/object_inspector.h"

#include <windowsx.h>

#include <algorithm>

#include "widgets/win/num_spin_ctrl.h"
#include "widgets/win/controls.h"
#include "widgets/win/offscreen_surface.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"ObjectInspectorCtrl";
const wchar_t kObjectProperty[] = L"TessarkObjectInspector";

const COLORREF kTextColour = RGB(0, 0, 0);
const COLORREF kSeparatorColour = RGB(172, 168, 153);
const int kSeparatorInset = 13;
const int kCaptionLeft = 15;
const int kHeaderTextLeft = 20;

HFONT MakeFont(int points, int weight) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return win::CreateSwissFont(L"MS Sans Serif", height, weight, DEFAULT_QUALITY);
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsDescendant(HWND ancestor, HWND window) {
    return window && (window == ancestor || IsChild(ancestor, window));
}

// Whether a window with its own vertical scroll bar (a file list) can move towards the top
// (`delta` > 0) or the bottom. A list whose rows all show has no scroll bar.
bool CanScrollVertically(HWND window, int delta) {
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL)) return false;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(window, SB_VERT, &info)) return false;
    const int last = info.nMax - std::max<int>(static_cast<int>(info.nPage) - 1, 0);
    return delta > 0 ? info.nPos > info.nMin : info.nPos < last;
}

}  // namespace

CObjectInspector::~CObjectInspector() {
    // The rows' editors are children of the grid window: destroy them while it exists.
    m_rows.clear();
}

bool CObjectInspector::Create(HWND parent, const RECT& rect, int id, DWORD style) {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                               GetSysColorBrush(COLOR_BTNFACE))) {
        return false;
    }
    // 8 points, the classic dialog size, at which the 110-pixel "All" boxes hold their texts.
    // 8 points, the classic dialog size, at which the 110-pixel "All" boxes hold their texts.
    m_font.reset(MakeFont(8, FW_NORMAL));
    m_boldFont.reset(MakeFont(8, FW_BOLD));
    return win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | style,
                                    WS_EX_TOOLWINDOW, rect, parent, id) &&
           SetPropW(hwnd(), kObjectProperty, this);
}

CObjectInspector* CObjectInspector::FromHandle(HWND window) {
    return window ? static_cast<CObjectInspector*>(GetPropW(window, kObjectProperty)) : nullptr;
}

CProperty* CObjectInspector::AddRow(std::u16string caption, int kind, int rowId, int editorWidth) {
    auto row = std::make_unique<CProperty>(std::move(caption), kind, rowId, editorWidth);
    row->m_grid = this;
    row->m_index = static_cast<int>(m_rows.size());
    if (kind > widgets::kGroupHeader && !row->CreateEditors(hwnd(), m_font.get(), m_model)) {
        return nullptr;
    }
    m_rows.push_back(std::move(row));
    InvalidateRect(hwnd(), nullptr, FALSE);
    return m_rows.back().get();
}

CProperty* CObjectInspector::AddChild(CProperty* parent, std::u16string caption, int kind,
                                      int rowId, int editorWidth) {
    if (!parent) return nullptr;
    auto row = std::make_unique<CProperty>(std::move(caption), kind, rowId, editorWidth);
    row->m_grid = this;
    row->m_parent = parent;
    row->m_index = static_cast<int>(parent->m_children.size());
    if (kind > widgets::kGroupHeader && !row->CreateEditors(hwnd(), m_font.get(), m_model)) {
        return nullptr;
    }
    parent->m_children.push_back(std::move(row));
    InvalidateRect(hwnd(), nullptr, FALSE);
    return parent->m_children.back().get();
}

void CObjectInspector::Toggle(CProperty* row) {
    if (!row) return;
    row->m_expanded = !row->m_expanded;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool CObjectInspector::ScrollBarShown() const {
    return m_scrollBar && IsWindowVisible(m_scrollBar);
}

std::vector<CObjectInspector::Placed> CObjectInspector::DepthFirst() const {
    std::vector<Placed> order;
    struct Walker {
        std::vector<Placed>* order;
        void Walk(CProperty* row, int parentIndex) {
            order->push_back({row, parentIndex});
            const int self = static_cast<int>(order->size()) - 1;
            for (const auto& child : row->Children()) Walk(child.get(), self);
        }
    } walker{&order};
    for (const auto& row : m_rows) walker.Walk(row.get(), -1);
    return order;
}

int CObjectInspector::MeasureRowHeight() {
    // The height of "pP" in an off-screen surface's default font, as every paint measures it.
    HDC screen = GetDC(hwnd());
    HDC memory = CreateCompatibleDC(screen);
    SIZE size = {0, 16};
    if (memory) {
        GetTextExtentPoint32W(memory, L"pP", 2, &size);
        DeleteDC(memory);
    }
    ReleaseDC(hwnd(), screen);
    return widgets::RowHeight(size.cy);
}

void CObjectInspector::ShowScrollBar(bool show, int maximum) {
    RECT client;
    GetClientRect(hwnd(), &client);
    m_drawArea = client;
    if (!show) {
        if (m_scrollBar) ShowWindow(m_scrollBar, SW_HIDE);
        m_scrollPosition = 0;
        return;
    }
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    if (!m_scrollBar) {
        m_scrollBar = win::CreateControl(hwnd(), kScrollBarId, L"SCROLLBAR", L"", SBS_VERT, 0,
                                         {0, 0, width, 10});
    }
    if (!m_scrollBar) return;
    m_drawArea.right -= width;
    SetWindowPos(m_scrollBar, nullptr, client.right - width, 0, width, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = maximum;
    info.nPos = m_scrollPosition;
    SetScrollInfo(m_scrollBar, SB_CTL, &info, TRUE);
}

bool CObjectInspector::Layout() {
    m_rowHeight = MeasureRowHeight();
    const std::vector<Placed> order = DepthFirst();
    std::vector<widgets::RowNode> nodes;
    for (const Placed& placed : order)
        nodes.push_back({placed.parentIndex, placed.row->m_expanded});
    const std::vector<bool> visible = widgets::VisibleRows(nodes);
    int visibleCount = 0;
    for (bool shown : visible) visibleCount += shown ? 1 : 0;

    RECT client;
    GetClientRect(hwnd(), &client);
    m_scrollMaximum = widgets::ScrollMaximum(visibleCount, m_rowHeight, client.bottom);
    if (m_scrollPosition > m_scrollMaximum) m_scrollPosition = m_scrollMaximum;
    ShowScrollBar(m_scrollNeeded, m_scrollMaximum);

    int y = -m_scrollPosition;
    for (size_t i = 0; i < order.size(); ++i) {
        CProperty& row = *order[i].row;
        row.m_visible = visible[i];
        if (!row.m_visible) {
            row.m_rowRect = {};
            row.m_expandBox = {};
            for (HWND editor : row.m_editors) ShowWindow(editor, SW_HIDE);
            continue;
        }
        const widgets::RowPlace place{m_drawArea.left, m_drawArea.right, y, m_rowHeight};
        const widgets::Box box = widgets::RowDrawBox(place);
        row.m_rowRect = {box.left, box.top, box.right, box.bottom};
        PlaceEditors(row, place);
        y += m_rowHeight;
    }

    // Keyboard focus must not stay in an editor that was just hidden.
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus) && !IsWindowVisible(focus)) SetFocus(hwnd());

    const bool needed = widgets::NextScrollNeeded(m_scrollNeeded, visibleCount * m_rowHeight,
                                                  client.bottom, m_rowHeight);
    const bool changed = needed != m_scrollNeeded;
    m_scrollNeeded = needed;
    return changed;
}

void CObjectInspector::PlaceEditors(CProperty& row, const widgets::RowPlace& place) {
    if (row.m_editors.empty()) return;
    std::vector<widgets::EditorSlot> slots;
    for (HWND editor : row.m_editors) {
        RECT rect;
        GetWindowRect(editor, &rect);
        slots.push_back({GetDlgCtrlID(editor), rect.right - rect.left});
    }
    const std::vector<widgets::Box> boxes =
        widgets::PlaceEditors(row.m_kind, row.m_rowId, row.m_editorWidth, place, slots);
    for (size_t i = 0; i < boxes.size(); ++i) {
        HWND editor = row.m_editors[i];
        const RECT target = {boxes[i].left, boxes[i].top, boxes[i].right, boxes[i].bottom};
        RECT current;
        GetWindowRect(editor, &current);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&current), 2);
        const bool shown = (GetWindowLongW(editor, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown && SameRect(current, target)) continue;
        SetWindowPos(editor, nullptr, target.left, target.top, target.right - target.left,
                     target.bottom - target.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | (shown ? 0 : SWP_SHOWWINDOW));
    }
}

void CObjectInspector::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    win::OffscreenSurface surface(dc, client);
    if (!surface) return;
    HDC memory = surface.dc();
    FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(memory, TRANSPARENT);
    for (const Placed& placed : DepthFirst()) {
        if (placed.row->m_visible) DrawRow(memory, *placed.row);
    }
}

void CObjectInspector::DrawRow(HDC dc, CProperty& row) {
    RECT rect = row.m_rowRect;
    switch (row.m_kind) {
        case widgets::kGroupHeader:
            DrawGroupHeader(dc, row);
            return;
        case widgets::kSeparatorRow: {
            const int y = (rect.top + rect.bottom) / 2;
            win::GdiObject pen(CreatePen(PS_SOLID, 1, kSeparatorColour));
            win::SelectScope selected(dc, pen.get());
            MoveToEx(dc, m_drawArea.left + kSeparatorInset, y, nullptr);
            LineTo(dc, m_drawArea.right - kSeparatorInset, y);
            return;
        }
        case widgets::kEditRow:
        case widgets::kVersionRow:
        case widgets::kPictureRow:
        case widgets::kCheckBoxRow:
        case widgets::kFileListRow:
        case widgets::kFileListSecondRow:
            return;  // the editors cover the row
        case widgets::kCaptionRightRow:
            break;
        default:  // captions, kind 10 and unknown kinds
            rect.left = m_drawArea.left + kCaptionLeft;
            break;
    }
    win::TextScope text(dc, m_font.get(), kTextColour);
    DrawTextW(dc, win::W(row.m_caption), -1, &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CObjectInspector::DrawGroupHeader(HDC dc, CProperty& row) {
    RECT band = row.m_rowRect;
    band.right += 1;
    band.bottom += 1;
    FillRect(dc, &band, GetSysColorBrush(COLOR_INACTIVECAPTION));

    const int centre = (row.m_rowRect.top + row.m_rowRect.bottom) / 2;
    RECT box = {row.m_rowRect.left + 4, centre - 4, row.m_rowRect.left + 13, centre + 5};
    row.m_expandBox = box;
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    {
        win::SelectScope pen(dc, GetStockObject(BLACK_PEN));
        MoveToEx(dc, box.left + 2, centre, nullptr);
        LineTo(dc, box.right - 2, centre);
        if (!row.m_expanded) {
            MoveToEx(dc, box.left + 4, box.top + 2, nullptr);
            LineTo(dc, box.left + 4, box.bottom - 2);
        }
    }

    RECT caption = row.m_rowRect;
    caption.left += kHeaderTextLeft;
    win::TextScope text(dc, m_boldFont.get(), RGB(255, 255, 255));
    DrawTextW(dc, win::W(row.m_caption), -1, &caption,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

CProperty* CObjectInspector::RowAt(POINT point, bool onExpandBox) const {
    for (const Placed& placed : DepthFirst()) {
        CProperty* row = placed.row;
        if (!row->m_visible) continue;
        const RECT& area = onExpandBox ? row->m_expandBox : row->m_rowRect;
        if (PtInRect(&area, point)) return row;
    }
    return nullptr;
}

void CObjectInspector::Scroll(int request) {
    if (!ScrollBarShown()) return;
    widgets::ScrollAction action;
    int thumb = 0;
    switch (request) {
        case SB_LINEUP:
            action = widgets::ScrollAction::LineUp;
            break;
        case SB_LINEDOWN:
            action = widgets::ScrollAction::LineDown;
            break;
        case SB_PAGEUP:
            action = widgets::ScrollAction::PageUp;
            break;
        case SB_PAGEDOWN:
            action = widgets::ScrollAction::PageDown;
            break;
        case SB_TOP:
            action = widgets::ScrollAction::Top;
            break;
        case SB_BOTTOM:
            action = widgets::ScrollAction::Bottom;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: {
            // The 32-bit track position; the message itself carries only 16 bits.
            SCROLLINFO info = {};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(m_scrollBar, SB_CTL, &info);
            action = widgets::ScrollAction::Thumb;
            thumb = info.nTrackPos;
            break;
        }
        default:
            return;
    }
    m_scrollPosition =
        widgets::ScrollPositionAfter(action, m_scrollPosition, m_scrollMaximum, m_rowHeight, thumb);
    SetScrollPos(m_scrollBar, SB_CTL, m_scrollPosition, TRUE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CObjectInspector::ScrollBy(int pixels) {
    if (!ScrollBarShown() || pixels == 0) return;
    m_scrollPosition =
        widgets::ScrollPositionAfter(widgets::ScrollAction::Thumb, m_scrollPosition,
                                     m_scrollMaximum, m_rowHeight, m_scrollPosition - pixels);
    SetScrollPos(m_scrollBar, SB_CTL, m_scrollPosition, TRUE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CObjectInspector::OnMouseWheel(int delta) {
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    RECT client;
    GetClientRect(hwnd(), &client);
    ScrollBy(widgets::WheelScrollPixels(delta, lines, m_rowHeight, client.bottom - m_rowHeight));
}

// The wheel goes to the grid under the pointer, wherever the keyboard focus is, and passes a
// file list under the pointer that has nothing more to scroll that way, as a page does.
bool CObjectInspector::RouteWheel(const MSG& message) {
    const POINT point = {GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    HWND under = WindowFromPoint(point);
    CObjectInspector* grid = nullptr;
    for (HWND window = under; window && !grid; window = GetParent(window)) {
        grid = FromHandle(window);
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;
    }
    if (!grid || GetWindowThreadProcessId(grid->hwnd(), nullptr) != GetCurrentThreadId()) {
        return false;
    }
    const int delta = GET_WHEEL_DELTA_WPARAM(message.wParam);
    HWND target = grid->hwnd();
    for (HWND window = under; window && window != grid->hwnd(); window = GetParent(window)) {
        if (CanScrollVertically(window, delta)) {
            target = window;
            break;
        }
    }
    SendMessageW(target, WM_MOUSEWHEEL, message.wParam, message.lParam);
    return true;
}

CProperty* CObjectInspector::RowOfEditor(HWND editor) const {
    for (const Placed& placed : DepthFirst()) {
        for (HWND own : placed.row->m_editors) {
            if (own == editor) return placed.row;
        }
    }
    return nullptr;
}

void CObjectInspector::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND sender = reinterpret_cast<HWND>(lParam);
    const int state = ui::AllBoxState(LOWORD(wParam));
    CProperty* row = sender ? RowOfEditor(sender) : nullptr;
    if (HIWORD(wParam) == BN_CLICKED && state >= 0 && row && row->m_kind == widgets::kCheckBoxRow &&
        row->m_rowId == ui::kAllBoxesRowId) {
        for (int id : ui::kExpertOptionBoxIds) {
            if (HWND box = GetDlgItem(hwnd(), id)) SendMessageW(box, BM_SETCHECK, state, 0);
        }
        // The automatic box moved on to its next state when clicked: it keeps its own.
        SendMessageW(sender, BM_SETCHECK, state, 0);
    }
    SendMessageW(GetParent(hwnd()), WM_COMMAND, wParam, lParam);
}

bool CObjectInspector::CycleTab(bool backwards) {
    HWND focus = GetFocus();
    int place = ui::NextTabPlace(IsDescendant(hwnd(), focus) ? GetDlgCtrlID(focus) : 0, m_tabPlace,
                                 backwards);
    // Fields of a closed group are passed over.
    HWND target = nullptr;
    for (int tries = 0; tries < ui::kTabCycleLength && !target; ++tries) {
        HWND field = GetDlgItem(hwnd(), ui::kTabCycle[place]);
        if (field && IsWindowVisible(field)) {
            target = field;
        } else {
            place = ui::NextTabPlace(ui::kTabCycle[place], place, backwards);
        }
    }
    if (!target) {
        // A grid without the Project Info fields steps through its tab stops as a dialog does.
        HWND step = GetNextDlgTabItem(hwnd(), IsDescendant(hwnd(), focus) ? focus : nullptr,
                                      backwards ? TRUE : FALSE);
        if (step) SetFocus(step);
        return true;
    }
    m_tabPlace = place;
    SetFocus(target);
    SendMessageW(target, EM_SETSEL, 0, -1);
    return true;
}

bool CObjectInspector::OnKeyDown(const MSG& message) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (alt) return false;
    switch (message.wParam) {
        case VK_TAB:
            return control ? false : CycleTab(shift);
        case 'C':
            if (!control) return false;
            SendMessageW(message.hwnd, WM_COPY, 0, 0);
            return true;
        case 'X':
            if (!control) return false;
            SendMessageW(message.hwnd, WM_CUT, 0, 0);
            return true;
        case 'V':
            if (!control) return false;
            SendMessageW(message.hwnd, WM_PASTE, 0, 0);
            return true;
        case VK_INSERT:
            if (!shift || control) return false;
            SendMessageW(message.hwnd, WM_PASTE, 0, 0);
            return true;
    }
    return false;
}

bool CObjectInspector::PreTranslate(const MSG& message) {
    if (message.message == WM_MOUSEWHEEL) return RouteWheel(message);
    if (message.message != WM_KEYDOWN || !message.hwnd) return false;
    for (HWND window = message.hwnd; window; window = GetParent(window)) {
        if (CObjectInspector* grid = FromHandle(window)) return grid->OnKeyDown(message);
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return false;
}

LRESULT CObjectInspector::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // Paint covers every pixel
        case WM_PAINT: {
            // Editors move before painting starts, so the paint's clipping sees them in place.
            const bool scrollBarChanges = Layout();
            {
                win::PaintScope paint(hwnd());
                Paint(paint.dc());
            }
            // The scroll bar comes or goes with the next paint.
            if (scrollBarChanges) InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        }
        case WM_LBUTTONDOWN: {
            POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (CProperty* row = RowAt(point, true)) Toggle(row);
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            CProperty* row = RowAt(point, false);
            if (row && row->m_kind == widgets::kGroupHeader) Toggle(row);
            return 0;
        }
        case WM_VSCROLL:
            Scroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (CNumSpinCtrl::Reflect(header, &result)) return result;
            return SendMessageW(GetParent(hwnd()), WM_NOTIFY, wParam, lParam);
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return win::ButtonFaceColours(reinterpret_cast<HDC>(wParam));
        case WM_NCDESTROY:
            RemovePropW(hwnd(), kObjectProperty);
            break;
    }
    return Default(message, wParam, lParam);
}
