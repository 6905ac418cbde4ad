#include "builder/ui/win/my_list_ctrl.h"

#include <commctrl.h>

#include "builder/project/file_categories.h"
#include "builder/ui/win/file_properties.h"
#include "builder/ui/win/file_dialog.h"
#include "builder/ui/win/widget_resource_ids.h"
#include "builder/ui/file_list_edits.h"
#include "widgets/win/controls.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"ZULLISTCTRL";
const wchar_t kObjectProperty[] = L"TessarkListCtrl";

struct CategoryTexts {
    const char16_t* note;
    const char16_t* filter;
};

const CategoryTexts kTexts[project::kCategoryCount] = {
    {u"These files will go folder {metatrader}\\experts",
     u"MetaTrader Files (*.ex4,*.mq4)|*.mq4;*.ex4|All Files (*.*)|*.*||"},
    {u"These files will go folder {metatrader}\\experts\\indicators",
     u"MetaTrader Files (*.ex4,*.mq4)|*.mq4;*.ex4|All Files (*.*)|*.*||"},
    {u"These files will go folder {metatrader}\\experts\\scripts",
     u"MetaTrader Files (*.ex4,*.mq4)|*.mq4;*.ex4|All Files (*.*)|*.*||"},
    {u"These files will go to folder {metatrader}\\experts\\sounds",
     u"Sound Files (*.wav)|*.wav|All Files (*.*)|*.*||"},
    {u"These files will go to folder {metatrader}\\experts\\libraries",
     u"DLL Files (*.dll)|*.dll|All Files (*.*)|*.*||"},
    {u"These files can go to any folder", u"All Files (*.*)|*.*||"},
};

struct Column {
    const wchar_t* title;
    int width;
    int format;
};

const Column kOtherFilesColumns[project::kFileEntryColumnCount] = {
    {L"File Name", 240, LVCFMT_LEFT},       {L"Destination", 120, LVCFMT_LEFT},
    {L"Shortcut", 120, LVCFMT_LEFT},        {L"Parameters", 120, LVCFMT_LEFT},
    {L"Only If Newer", 120, LVCFMT_CENTER}, {L"Never Uninstall", 120, LVCFMT_CENTER},
    {L"Autostart", 120, LVCFMT_CENTER},     {L"Post Execute", 120, LVCFMT_CENTER},
};
const Column kSimpleColumn = {L"File Name", 540, LVCFMT_LEFT};

void SetCellText(HWND list, int row, int column, const std::u16string& text) {
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(win::W(text));
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

CMyListCtrl::~CMyListCtrl() {
    // The children use the fonts, icons and images below: they go first.
    if (hwnd()) DestroyWindow(hwnd());
}

int CMyListCtrl::ChildId(project::CategoryId category, int offset) {
    return kChildIdBase + 10 * static_cast<int>(category) + offset;
}

bool CMyListCtrl::Create(HWND parent, int id, const RECT& rect, DWORD extraStyle,
                         project::ProjectModel* model, project::CategoryId category, bool full) {
    const int index = static_cast<int>(category);
    if (!model || index < 0 || index >= project::kCategoryCount) return false;
    if (!win::Window::Register(kClassName, CS_DBLCLKS,
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) {
        return false;
    }
    m_model = model;
    m_category = category;
    m_full = full;
    if (!win::Window::CreateChild(kClassName, L"",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | extraStyle,
                                  WS_EX_CONTROLPARENT, rect, parent, id)) {
        return false;
    }
    SetPropW(hwnd(), kObjectProperty, this);
    if (!CreateChildren()) return false;
    Reload();
    return true;
}

CMyListCtrl* CMyListCtrl::FromHandle(HWND window) {
    return window ? static_cast<CMyListCtrl*>(GetPropW(window, kObjectProperty)) : nullptr;
}

HWND CMyListCtrl::MakeButton(const wchar_t* text, int offset, int iconId) {
    HWND button =
        win::CreateControl(hwnd(), ChildId(m_category, offset), L"BUTTON", text,
                           WS_VISIBLE | WS_TABSTOP, 0, {0, 0, 70, 24}, win::DefaultGuiFont());
    if (!button) return nullptr;
    win::Icon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, 16, 16, 0)));
    if (icon) {
        SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
        m_buttonIcons.push_back(std::move(icon));
    }
    return button;
}

bool CMyListCtrl::CreateChildren() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    m_noteFont.reset(win::CreateSwissFont(L"Tahoma", 14, FW_NORMAL, DEFAULT_QUALITY));
    m_note = win::CreateControl(hwnd(), ChildId(m_category, kNoteOffset), L"STATIC",
                                win::W(kTexts[static_cast<int>(m_category)].note),
                                WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, {20, 20, 620, 36},
                                m_noteFont.get());
    m_add = MakeButton(L"Add Files", kAddOffset, IDI_LIST_ADD);
    if (m_full) m_edit = MakeButton(L"Edit", kEditOffset, IDI_LIST_EDIT);
    m_remove = MakeButton(L"Remove", kRemoveOffset, IDI_LIST_REMOVE);
    // The row icons belong to this control, not to the list view (LVS_SHAREIMAGELISTS).
    m_list = win::CreateControl(
        hwnd(), ChildId(m_category, kListOffset), WC_LISTVIEWW, L"",
        WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
        WS_EX_CLIENTEDGE, {20, 50, 120, 180});
    if (!m_note || !m_add || (m_full && !m_edit) || !m_remove || !m_list) return false;
    ListView_SetExtendedListViewStyle(m_list, LVS_EX_FULLROWSELECT);
    m_rowImages.reset(ImageList_Create(20, 24, ILC_COLOR32 | ILC_MASK, 1, 1));
    win::Icon rowIcon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_BUILDER), IMAGE_ICON, 20, 24, 0)));
    if (m_rowImages && rowIcon) ImageList_AddIcon(m_rowImages.get(), rowIcon.get());
    ListView_SetImageList(m_list, m_rowImages.get(), LVSIL_SMALL);
    AddColumns();
    RECT client;
    GetClientRect(hwnd(), &client);
    Layout(client.right);
    return true;
}

void CMyListCtrl::AddColumns() {
    const Column* columns = m_full ? kOtherFilesColumns : &kSimpleColumn;
    const int count = m_full ? project::kFileEntryColumnCount : 1;
    for (int i = 0; i < count; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        // The first column is always left-aligned by the list view itself.
        column.fmt = columns[i].format;
        column.cx = columns[i].width;
        column.pszText = const_cast<wchar_t*>(columns[i].title);
        column.iSubItem = i;
        SendMessageW(m_list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void CMyListCtrl::Layout(int width) {
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(m_note, nullptr, 20, 20, 600, 16, flags);
    if (m_full) {
        SetWindowPos(m_add, nullptr, width - 225, 20, 70, 24, flags);
        SetWindowPos(m_edit, nullptr, width - 150, 20, 70, 24, flags);
    } else {
        SetWindowPos(m_add, nullptr, width - 150, 20, 70, 24, flags);
    }
    SetWindowPos(m_remove, nullptr, width - 75, 20, 70, 24, flags);
    SetWindowPos(m_list, nullptr, 20, 50, width - 20, 130, flags);
}

void CMyListCtrl::Reload() {
    if (!m_list) return;
    SendMessageW(m_list, LVM_DELETEALLITEMS, 0, 0);
    const size_t count = project::FileCount(*m_model, m_category);
    for (size_t i = 0; i < count; ++i) AppendRow(i);
}

void CMyListCtrl::KeepInStep() {
    // Rows only show the model's items; should the model have been changed behind the
    // control's back, the rows are rebuilt before they are acted on.
    const size_t rows = static_cast<size_t>(SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0));
    if (rows != project::FileCount(*m_model, m_category)) Reload();
}

void CMyListCtrl::AppendRow(size_t item) {
    LVITEMW row = {};
    row.mask = LVIF_IMAGE;
    row.iItem = static_cast<int>(item);
    row.iImage = 0;
    SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    ShowItem(item);
}

void CMyListCtrl::ShowItem(size_t row) {
    if (m_category != project::CategoryId::OtherFiles) {
        SetCellText(m_list, static_cast<int>(row), 0,
                    project::FilePathAt(*m_model, m_category, row));
        return;
    }
    const project::FileEntry& entry = m_model->otherFiles[row];
    for (int column = 0; column < project::kFileEntryColumnCount; ++column) {
        SetCellText(m_list, static_cast<int>(row), column, project::EntryColumn(entry, column));
    }
}

std::vector<size_t> CMyListCtrl::SelectedRows() const {
    std::vector<size_t> rows;
    int row = -1;
    while ((row = static_cast<int>(SendMessageW(m_list, LVM_GETNEXTITEM, row, LVNI_SELECTED))) >=
           0) {
        rows.push_back(static_cast<size_t>(row));
    }
    return rows;
}

void CMyListCtrl::AddFiles() {
    std::vector<std::u16string> paths;
    if (!ChooseFilesToOpen(GetAncestor(hwnd(), GA_ROOT),
                           kTexts[static_cast<int>(m_category)].filter, kAddFilesBufferUnits,
                           &paths)) {
        return;
    }
    AddPaths(paths);
}

void CMyListCtrl::AddPaths(const std::vector<std::u16string>& paths) {
    KeepInStep();
    const size_t before = project::FileCount(*m_model, m_category);
    const widgets::AddFilesOutcome outcome = widgets::AddFiles(m_model, m_category, paths);
    for (size_t i = 0; i < outcome.added; ++i) AppendRow(before + i);
    if (!outcome.message.empty()) {
        MessageBoxW(GetAncestor(hwnd(), GA_ROOT), win::W(outcome.message), L"Tessark",
                    MB_OK | MB_ICONWARNING);
    }
}

void CMyListCtrl::RemoveSelected() {
    KeepInStep();
    for (size_t row : widgets::RemoveSelected(m_model, m_category, SelectedRows())) {
        SendMessageW(m_list, LVM_DELETEITEM, row, 0);
    }
}

void CMyListCtrl::EditSelected() {
    if (!m_full) return;
    KeepInStep();
    for (size_t row : widgets::LastToFirst(SelectedRows())) {
        if (row >= m_model->otherFiles.size()) continue;
        CFileProperties dialog(m_model->otherFiles[row]);
        if (!dialog.Edit(GetAncestor(hwnd(), GA_ROOT))) continue;
        project::EditEntry(m_model, row, dialog.Result());
        ShowItem(row);
    }
}

LRESULT CMyListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout(LOWORD(lParam));
            return 0;
        case WM_ERASEBKGND:
            win::FillClient(hwnd(), reinterpret_cast<HDC>(wParam), COLOR_BTNFACE);
            return 1;
        case WM_CTLCOLORSTATIC:
            return win::ButtonFaceColours(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                const int offset = LOWORD(wParam) - ChildId(m_category, 0);
                if (offset == kAddOffset) AddFiles();
                if (offset == kEditOffset) EditSelected();
                if (offset == kRemoveOffset) RemoveSelected();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemovePropW(hwnd(), kObjectProperty);
            break;
    }
    return Default(message, wParam, lParam);
}
