#include "installer/win/fourth_dlg.h"

#include <commctrl.h>
#include <shlobj.h>

#include "installer/terminal_discovery.h"
#include "installer/page_texts.h"
#include "installer/win/resource_ids.h"
#include "widgets/win/wide.h"
#include "translations/active_texts.h"

namespace installer {

using translations::MessageId;

namespace {

// Room the column leaves for the vertical scroll bar.
constexpr int kColumnMargin = 30;

}  // namespace

CFourthDlg::CFourthDlg(InstallSession& session) : CWizardPage(IDD_DESTINATION, 4, session) {}

void CFourthDlg::OnInitPage() {
    SetText(IDC_EXPLANATION, FolderPageExplanation(Strings().productName));
    Enable(IDOK, false);

    list_ = Item(IDC_LIST);
    RECT client;
    GetClientRect(list_, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - kColumnMargin;
    ListView_InsertColumn(list_, 0, &column);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);

    ListView_DeleteAllItems(list_);
    rows_ = DiscoverTerminals();
    if (!rows_.empty())
        SetText(IDC_ADD_FOLDER, translations::Text(MessageId::AddFolderButton, kAddFolderCaption));
    ShowRows();
    UpdateNext();
}

// Appends the rows the list does not show yet and gives every row its label (adding a
// terminal can change the labels of rows of the same installation).
void CFourthDlg::ShowRows() {
    for (size_t row = 0; row < rows_.size(); ++row) {
        const int index = static_cast<int>(row);
        wchar_t* label = const_cast<wchar_t*>(win::W(rows_[row].label));
        if (index < ListView_GetItemCount(list_)) {
            ListView_SetItemText(list_, index, 0, label);
            continue;
        }
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = label;
        ListView_InsertItem(list_, &item);
    }
}

bool CFourthDlg::IsTicked(int row) const {
    return ListView_GetCheckState(list_, row) != FALSE;
}

void CFourthDlg::ToggleRow(int row) {
    ListView_SetCheckState(list_, row, !IsTicked(row));
}

void CFourthDlg::UpdateNext() const {
    bool any = false;
    const int count = ListView_GetItemCount(list_);
    for (int row = 0; row < count && !any; ++row) any = IsTicked(row);
    Enable(IDOK, any);
}

bool CFourthDlg::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_LIST) return false;
    if (header.code == NM_CLICK) {
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (click.iItem < 0) return false;
        // A click on the tick box itself is ticked by the list view; a click anywhere else on
        // the row ticks it here.
        LVHITTESTINFO hit = {};
        hit.pt = click.ptAction;
        ListView_SubItemHitTest(list_, &hit);
        if (!(hit.flags & LVHT_ONITEMSTATEICON)) ToggleRow(click.iItem);
        UpdateNext();
        return false;
    }
    if (header.code == LVN_ITEMCHANGED) {
        // Ticks changed by the keyboard (space) or the tick box follow here too.
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) &&
            ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK)) {
            UpdateNext();
        }
        return false;
    }
    return false;
}

bool CFourthDlg::OnPageCommand(WORD code, WORD id, HWND) {
    if (code != BN_CLICKED || id != IDC_ADD_FOLDER) return false;
    BrowseForFolder();
    return true;
}

void CFourthDlg::BrowseForFolder() {
    BROWSEINFOW browse = {};
    browse.hwndOwner = hwnd();
    browse.lpszTitle = win::W(translations::Text(MessageId::BrowseFolderTitle, kBrowseFolderTitle));
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return;
    wchar_t path[MAX_PATH] = {};
    const bool havePath = SHGetPathFromIDListW(chosen, path) && path[0] != L'\0';
    CoTaskMemFree(chosen);
    if (!havePath) return;

    const os::Path folder = win::U16(path);
    switch (AddCandidateFolder(folder, &rows_)) {
        case AddFolderOutcome::Added:
            ShowRows();
            break;
        case AddFolderOutcome::NotMetaTrader:
            ShowMessage(translations::Text(MessageId::InvalidFolderMessage, kInvalidFolderMessage),
                        MB_ICONEXCLAMATION);
            break;
        case AddFolderOutcome::AlreadyListed:
            break;
    }
}

void CFourthDlg::OnNext() {
    std::vector<TerminalTarget>& chosen = Session().chosenTerminals;
    chosen.clear();
    const int count = ListView_GetItemCount(list_);
    for (int row = 0; row < count; ++row) {
        if (IsTicked(row)) chosen.push_back(rows_[static_cast<size_t>(row)]);
    }
    CWizardPage::OnNext();
}

}  // namespace installer
