#include "tools/gallery/win/gallery_window.h"

#include "base/text.h"
#include "builder/project/file_categories.h"
#include "builder/ui/win/file_properties.h"
#include "builder/ui/win/section_pages.h"
#include "tools/gallery/win/sample_pages.h"
#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace gallery {

namespace {

const wchar_t kClassName[] = L"TessarkGallery";
const wchar_t kTitle[] = L"Tessark Widget Gallery";
const int kMargin = 8;
const int kListWidth = 160;
const int kPanelHeight = 150;
const int kScrollRows = 10;

const char16_t* const kPageNames[GALLERY_PAGE_COUNT] = {
    u"Project Info grid", u"MetaTrader Options grid", u"Files grid",
    u"Customize grid",    u"Rich text editor",        u"Widget kit",
    u"Scroll bar rule",
};
// The grid shown by each page (an index into m_grids), or -1.
const int kPageGrid[GALLERY_PAGE_COUNT] = {0, 1, 2, 3, -1, -1, 4};

const char16_t kSampleRtf[] =
    u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}\\f0\\fs20 "
    u"Welcome to the \\b Sample EA\\b0 . Please read the \\i license\\i0  first.\\par "
    u"\\f1\\fs28 A larger heading\\f0\\fs20\\par\\tab One tab in.\\par}";

HWND MakeControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                 DWORD exStyle, int id) {
    return win::CreateControl(parent, id, className, text, WS_VISIBLE | style, exStyle,
                              {0, 0, 10, 10}, win::DefaultGuiFont());
}

std::u16string EntryText(const project::FileEntry& entry) {
    std::u16string text;
    for (int column = 0; column < project::kFileEntryColumnCount; ++column) {
        if (column > 0) text += u"|";
        text += project::EntryColumn(entry, column);
    }
    return text;
}

}  // namespace

GalleryWindow::GalleryWindow() : m_model(SampleProject()), m_sampleEntry(SampleEntry()) {}

bool GalleryWindow::Create() {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, GetSysColorBrush(COLOR_BTNFACE),
                               nullptr,
                               LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128)))) {
        return false;
    }
    if (!win::Window::Create(kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 0,
                             1010, 730, nullptr, 0) ||
        !CreateMenus() || !CreatePanel() || !CreatePages()) {
        return false;
    }
    Layout();
    ShowPage(GALLERY_PAGE_PROJECT_INFO);
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    return true;
}

bool GalleryWindow::CreateMenus() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!m_pageMenu.CreatePopup() || !m_reportMenu.CreatePopup()) return false;
    m_pageMenu.LoadImages(instance, IDB_GALLERY_MENU_IMAGES, 16, 16);
    m_reportMenu.LoadImages(instance, IDB_GALLERY_MENU_IMAGES, 16, 16);
    for (int page = 0; page < GALLERY_PAGE_COUNT; ++page) {
        std::u16string label = u"&" + text::FromInt(page + 1) + u" " + kPageNames[page];
        label += u"\tCtrl+" + text::FromInt(page + 1);
        m_pageMenu.AppendItem(ID_GALLERY_SHOW_PAGE + page, label, page == 0 ? 0 : -1);
    }
    m_pageMenu.AppendSeparator();
    m_pageMenu.AppendItem(ID_GALLERY_EXIT, u"E&xit", 3);
    m_reportMenu.AppendItem(ID_GALLERY_REPORT_LISTS, u"The project's &file lists", 2);
    m_reportMenu.AppendItem(ID_GALLERY_REPORT_FOCUS, u"The &focused window", 5);
    m_reportMenu.AppendItem(ID_GALLERY_REPORT_GRID, u"The &grid's scrolling", 4);
    m_reportMenu.AppendItem(ID_GALLERY_REPORT_PROJECT, u"The &icon and banner paths", 1);

    HMENU bar = CreateMenu();
    if (!bar) return false;
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(m_pageMenu.Handle()), L"&Page");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(m_reportMenu.Handle()), L"&Report");
    // The menu bar destroys its popups with itself; the objects keep drawing them.
    m_pageMenu.Release();
    m_reportMenu.Release();
    return SetMenu(hwnd(), bar) != FALSE;
}

bool GalleryWindow::CreatePanel() {
    HWND list = MakeControl(hwnd(), L"LISTBOX", L"", WS_BORDER | WS_TABSTOP | LBS_NOTIFY, 0,
                            IDC_GALLERY_PAGES);
    if (!list) return false;
    for (const char16_t* name : kPageNames) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(name)));
    }
    struct Button {
        const wchar_t* text;
        int id;
    };
    const Button buttons[] = {{L"File Properties...", IDC_GALLERY_FILE_PROPERTIES},
                              {L"Set RTF", IDC_GALLERY_SET_RTF},
                              {L"Get RTF", IDC_GALLERY_GET_RTF},
                              {L"Save RTF", IDC_GALLERY_SAVE_RTF},
                              {L"Report Lists", IDC_GALLERY_REPORT_LISTS}};
    for (const Button& button : buttons) {
        if (!MakeControl(hwnd(), L"BUTTON", button.text, BS_PUSHBUTTON | WS_TABSTOP, 0,
                         button.id)) {
            return false;
        }
    }
    const DWORD multiline = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
    HWND rtf = MakeControl(hwnd(), L"EDIT", L"", multiline, WS_EX_CLIENTEDGE, IDC_GALLERY_RTF);
    HWND path = MakeControl(hwnd(), L"EDIT", L"C:\\users\\Public\\gallery.rtf",
                            ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, IDC_GALLERY_PATH);
    HWND state = MakeControl(hwnd(), L"EDIT", L"", multiline | ES_READONLY, WS_EX_CLIENTEDGE,
                             IDC_GALLERY_STATE);
    if (!rtf || !path || !state) return false;
    SetWindowTextW(rtf, win::W(kSampleRtf));
    return true;
}

bool GalleryWindow::CreatePages() {
    const RECT area = PageArea();
    const int width = area.right - area.left;
    for (CObjectInspector& grid : m_grids) {
        if (!grid.Create(hwnd(), area, IDC_GALLERY_PAGE_AREA, 0)) return false;
        grid.SetProjectModel(&m_model);
    }
    if (!FillProjectInfoGrid(m_grids[0]) || !FillOptionsGrid(m_grids[1]) ||
        !FillFilesGrid(m_grids[2]) || !FillCustomizeGrid(m_grids[3], width) ||
        !FillScrollGrid(m_grids[4], kScrollRows)) {
        return false;
    }
    if (!m_editor.Create(hwnd(), IDC_GALLERY_PAGE_AREA, area)) return false;
    m_editor.SetRTF(kSampleRtf);
    ShowWindow(m_editor.hwnd(), SW_HIDE);
    if (!m_kit.Create(hwnd(), IDC_GALLERY_PAGE_AREA, area)) return false;
    return true;
}

RECT GalleryWindow::PageArea() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return {kListWidth + 2 * kMargin, kMargin, client.right - kMargin,
            client.bottom - kPanelHeight - kMargin};
}

void GalleryWindow::Layout() {
    RECT client;
    GetClientRect(hwnd(), &client);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(GetDlgItem(hwnd(), IDC_GALLERY_PAGES), nullptr, kMargin, kMargin, kListWidth, 200,
                 flags);
    const int buttons[] = {IDC_GALLERY_FILE_PROPERTIES, IDC_GALLERY_SET_RTF, IDC_GALLERY_GET_RTF,
                           IDC_GALLERY_SAVE_RTF, IDC_GALLERY_REPORT_LISTS};
    for (int i = 0; i < 5; ++i) {
        SetWindowPos(GetDlgItem(hwnd(), buttons[i]), nullptr, kMargin, 220 + 32 * i, kListWidth, 26,
                     flags);
    }
    const RECT area = PageArea();
    const int panelTop = area.bottom + kMargin;
    const int half = (client.right - area.left - kMargin) / 2;
    SetWindowPos(GetDlgItem(hwnd(), IDC_GALLERY_RTF), nullptr, area.left, panelTop, half - kMargin,
                 kPanelHeight - 40, flags);
    SetWindowPos(GetDlgItem(hwnd(), IDC_GALLERY_PATH), nullptr, area.left,
                 client.bottom - kMargin - 24, half - kMargin, 22, flags);
    SetWindowPos(GetDlgItem(hwnd(), IDC_GALLERY_STATE), nullptr, area.left + half, panelTop, half,
                 kPanelHeight - kMargin, flags);
    HWND pages[] = {m_grids[0].hwnd(), m_grids[1].hwnd(), m_grids[2].hwnd(),
                    m_grids[3].hwnd(), m_editor.hwnd(),   m_kit.hwnd()};
    for (HWND page : pages) {
        SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, flags);
    }
    // The scroll page's grid keeps the height FitScrollGrid gives it.
    RECT scroll;
    GetWindowRect(m_grids[4].hwnd(), &scroll);
    SetWindowPos(m_grids[4].hwnd(), nullptr, area.left, area.top, area.right - area.left,
                 scroll.bottom - scroll.top, flags);
}

CObjectInspector* GalleryWindow::PageGrid(int page) {
    const int grid = (page >= 0 && page < GALLERY_PAGE_COUNT) ? kPageGrid[page] : -1;
    return grid >= 0 ? &m_grids[grid] : nullptr;
}

HWND GalleryWindow::PageWindow(int page) {
    if (CObjectInspector* grid = PageGrid(page)) return grid->hwnd();
    return page == GALLERY_PAGE_RICH_TEXT ? m_editor.hwnd() : m_kit.hwnd();
}

void GalleryWindow::ShowPage(int page) {
    if (page < 0 || page >= GALLERY_PAGE_COUNT) return;
    m_page = page;
    HWND shown = PageWindow(page);
    for (int p = 0; p < GALLERY_PAGE_COUNT; ++p) {
        if (PageWindow(p) != shown) ShowWindow(PageWindow(p), SW_HIDE);
    }
    ShowWindow(shown, SW_SHOW);
    SendDlgItemMessageW(hwnd(), IDC_GALLERY_PAGES, LB_SETCURSEL, page, 0);
    // A grid's first paint may decide it needs its scroll bar, which the next paint brings:
    // both are done before a test looks.
    UpdateWindow(shown);
    UpdateWindow(shown);
}

std::u16string GalleryWindow::Text(int id) const {
    HWND control = GetDlgItem(hwnd(), id);
    const int length = GetWindowTextLengthW(control);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(control, win::W(&text[0]), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void GalleryWindow::SetState(const std::u16string& text) {
    SetDlgItemTextW(hwnd(), IDC_GALLERY_STATE, win::W(text));
}

void GalleryWindow::ReportLists() {
    std::u16string text;
    for (int c = 0; c < project::kCategoryCount; ++c) {
        const auto category = static_cast<project::CategoryId>(c);
        if (c > 0) text += u"\r\n";
        text += text::FromInt(c) + u":";
        for (size_t i = 0; i < project::FileCount(m_model, category); ++i) {
            text += i == 0 ? u" " : u" || ";
            text += category == project::CategoryId::OtherFiles ? EntryText(m_model.otherFiles[i])
                                                                : m_model.paths[c][i];
        }
    }
    SetState(text);
}

void GalleryWindow::ReportGrid() {
    CObjectInspector* grid = PageGrid(m_page);
    if (!grid) {
        SetState(u"no grid on this page");
        return;
    }
    RECT client;
    GetClientRect(grid->hwnd(), &client);
    SetState(text::Format(
        u"scrollbar=%d position=%d rowheight=%d rows=%d height=%d",
        {text::FromInt(grid->ScrollBarShown() ? 1 : 0), text::FromInt(grid->ScrollPosition()),
         text::FromInt(grid->RowHeight()), text::FromInt(static_cast<int64_t>(grid->Rows().size())),
         text::FromInt(client.bottom)}));
}

void GalleryWindow::ClickGroupBox(int row, bool doubleClick) {
    // A click where the grid last drew the row's box (or the row), through the grid's own
    // mouse handling.
    CObjectInspector* grid = PageGrid(m_page);
    if (!grid || row < 0 || static_cast<size_t>(row) >= grid->Rows().size()) return;
    UpdateWindow(grid->hwnd());
    const CProperty& target = *grid->Rows()[row];
    const RECT& area = doubleClick ? target.RowRect() : target.ExpandBox();
    const LPARAM point = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    SendMessageW(grid->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(grid->hwnd(), WM_LBUTTONUP, 0, point);
    if (doubleClick) {
        SendMessageW(grid->hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageW(grid->hwnd(), WM_LBUTTONUP, 0, point);
    }
    // Painted now, so that a test sees the editors shown or hidden when this returns.
    UpdateWindow(grid->hwnd());
    UpdateWindow(grid->hwnd());
}

void GalleryWindow::FitScrollGrid() {
    // Exactly as tall as its rows plus one: the rows fill the client height less one row.
    CObjectInspector& grid = m_grids[4];
    UpdateWindow(grid.hwnd());
    const int height = (static_cast<int>(grid.Rows().size()) + 1) * grid.RowHeight();
    RECT area = PageArea();
    SetWindowPos(grid.hwnd(), nullptr, area.left, area.top, area.right - area.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(grid.hwnd());
    UpdateWindow(grid.hwnd());
}

void GalleryWindow::AddScrollRow() {
    CObjectInspector& grid = m_grids[4];
    grid.AddRow(u"Row " + text::FromInt(static_cast<int64_t>(grid.Rows().size()) + 1),
                widgets::kCaptionRow);
    // The first paint finds the rows too tall; the scroll bar comes with the next.
    UpdateWindow(grid.hwnd());
    UpdateWindow(grid.hwnd());
}

void GalleryWindow::ScrollBy(bool wheel) {
    CObjectInspector* grid = PageGrid(m_page);
    if (!grid) return;
    if (wheel) {
        SendMessageW(grid->hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                     0);
        // The grid posts itself the page scroll; let it arrive before the next command.
        MSG message;
        while (PeekMessageW(&message, grid->hwnd(), WM_VSCROLL, WM_VSCROLL, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    } else {
        SendMessageW(grid->hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    }
    UpdateWindow(grid->hwnd());
    ReportGrid();
}

void GalleryWindow::ClickSpin(int field, bool up) {
    // A press and release on one arrow of the field's spin buttons.
    for (const auto& group : m_grids[0].Rows()) {
        for (const auto& row : group->Children()) {
            if (row->Kind() != widgets::kVersionRow) continue;
            const size_t index = static_cast<size_t>(2 * field + 1);
            if (index >= row->Editors().size()) return;
            HWND spin = row->Editors()[index];
            RECT client;
            GetClientRect(spin, &client);
            const LPARAM point =
                MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
            SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
            SendMessageW(spin, WM_LBUTTONUP, 0, point);
            wchar_t value[64] = {};
            GetDlgItemTextW(m_grids[0].hwnd(), 7009 + field, value, 64);
            SetState(u"field=" + win::U16(value));
            return;
        }
    }
}

void GalleryWindow::ReportEditor() {
    const CRRECToolbar& toolbar = m_editor.Toolbar();
    auto flag = [&](int command) { return text::FromInt(toolbar.IsChecked(command) ? 1 : 0); };
    std::u16string tabs;
    for (int twips : m_editor.Ruler().TabStops()) {
        if (tabs.size() > 40) break;
        tabs += (tabs.empty() ? u"" : u",") + text::FromInt(twips);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    SetState(text::Format(
        u"bold=%s italic=%s underline=%s left=%s centre=%s right=%s bullets=%s size=%s dpi=%s "
        u"tabs=%s",
        {flag(CRRECToolbar::kBold), flag(CRRECToolbar::kItalic), flag(CRRECToolbar::kUnderline),
         flag(CRRECToolbar::kAlignLeft), flag(CRRECToolbar::kAlignCentre),
         flag(CRRECToolbar::kAlignRight), flag(CRRECToolbar::kBullets),
         text::FromInt(toolbar.SizeBox().Points(false)), text::FromInt(dpi), tabs}));
}

void GalleryWindow::EditorCommand(int command) {
    // As a click on the toolbar button with all text selected.
    SendMessageW(m_editor.EditWindow(), EM_SETSEL, 0, -1);
    SendMessageW(m_editor.hwnd(), WM_COMMAND, MAKEWPARAM(CRRECToolbar::kFont + command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(m_editor.Toolbar().hwnd()));
    ReportEditor();
}

void GalleryWindow::DragTabStop(int pixels) {
    // The mouse grabs the first stop's mark, moves right and lets go.
    HWND ruler = m_editor.Ruler().hwnd();
    const int x = m_editor.Ruler().MarkX(0);
    if (x < 0) return;
    RECT client;
    GetClientRect(ruler, &client);
    const int y = client.bottom / 2;
    SendMessageW(ruler, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(ruler, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + pixels / 2, y));
    SendMessageW(ruler, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + pixels, y));
    SendMessageW(ruler, WM_LBUTTONUP, 0, MAKELPARAM(x + pixels, y));
    ReportEditor();
}

void GalleryWindow::EditSampleEntry() {
    CFileProperties dialog(m_sampleEntry);
    if (!dialog.Edit(hwnd())) {
        SetState(u"cancelled");
        return;
    }
    m_sampleEntry = dialog.Result();
    SetState(EntryText(m_sampleEntry));
}

void GalleryWindow::SaveRtf() {
    if (m_editor.Save(Text(IDC_GALLERY_PATH))) {
        SetState(u"saved=1");
    } else {
        SetState(u"saved=0\r\n" + m_editor.LastError());
    }
}

void GalleryWindow::OnCommand(WORD code, WORD id) {
    if (id >= ID_GALLERY_SHOW_PAGE && id < ID_GALLERY_SHOW_PAGE + GALLERY_PAGE_COUNT) {
        ShowPage(id - ID_GALLERY_SHOW_PAGE);
        return;
    }
    if (id >= ID_GALLERY_CLICK_BOX && id < ID_GALLERY_CLICK_BOX + 10) {
        ClickGroupBox(id - ID_GALLERY_CLICK_BOX, false);
        return;
    }
    if (id >= ID_GALLERY_DOUBLE_CLICK && id < ID_GALLERY_DOUBLE_CLICK + 10) {
        ClickGroupBox(id - ID_GALLERY_DOUBLE_CLICK, true);
        return;
    }
    if (id >= ID_GALLERY_SPIN_UP && id < ID_GALLERY_SPIN_DOWN + 4) {
        const bool up = id < ID_GALLERY_SPIN_DOWN;
        ClickSpin(id - (up ? ID_GALLERY_SPIN_UP : ID_GALLERY_SPIN_DOWN), up);
        return;
    }
    if (id >= ID_GALLERY_EDITOR_COMMAND && id < ID_GALLERY_EDITOR_COMMAND + 16) {
        EditorCommand(id - ID_GALLERY_EDITOR_COMMAND);
        return;
    }
    switch (id) {
        case IDC_GALLERY_PAGES:
            if (code == LBN_SELCHANGE) {
                ShowPage(static_cast<int>(SendDlgItemMessageW(hwnd(), id, LB_GETCURSEL, 0, 0)));
            }
            break;
        case IDC_GALLERY_FILE_PROPERTIES:
            EditSampleEntry();
            break;
        case IDC_GALLERY_SET_RTF:
            m_editor.SetRTF(Text(IDC_GALLERY_RTF));
            SetState(u"set");
            break;
        case IDC_GALLERY_GET_RTF:
            SetDlgItemTextW(hwnd(), IDC_GALLERY_RTF, win::W(m_editor.GetRTF()));
            SetState(u"got");
            break;
        case IDC_GALLERY_SAVE_RTF:
            SaveRtf();
            break;
        case IDC_GALLERY_REPORT_LISTS:
        case ID_GALLERY_REPORT_LISTS:
            ReportLists();
            break;
        case ID_GALLERY_REPORT_FOCUS:
            SetState(u"focus=" + text::FromInt(GetDlgCtrlID(GetFocus())));
            break;
        case ID_GALLERY_REPORT_GRID:
            ReportGrid();
            break;
        case ID_GALLERY_REPORT_PROJECT:
            SetState(u"icon=" + m_model.iconPath + u"\r\nbanner=" + m_model.bannerPath);
            break;
        case ID_GALLERY_REPORT_EDITOR:
            ReportEditor();
            break;
        case ID_GALLERY_DRAG_TAB:
            DragTabStop(30);
            break;
        case ID_GALLERY_DRAG_TAB_FAR:
            DragTabStop(1000);
            break;
        case ID_GALLERY_SCROLL_FIT:
            FitScrollGrid();
            break;
        case ID_GALLERY_SCROLL_ADD_ROW:
            AddScrollRow();
            break;
        case ID_GALLERY_SCROLL_LINE:
            ScrollBy(false);
            break;
        case ID_GALLERY_SCROLL_WHEEL:
            ScrollBy(true);
            break;
        case ID_GALLERY_EXIT:
            DestroyWindow(hwnd());
            break;
    }
}

LRESULT GalleryWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {800, 600};
            return 0;
        }
        case WM_COMMAND:
            OnCommand(HIWORD(wParam), LOWORD(wParam));
            return 0;
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (m_pageMenu.MeasureItem(item) || m_reportMenu.MeasureItem(item)) return TRUE;
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (m_pageMenu.DrawItem(item) || m_reportMenu.DrawItem(item)) return TRUE;
            break;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace gallery
