#include "installer/win/eighth_dlg.h"

#include "installer/finish_actions.h"
#include "installer/page_texts.h"
#include "installer/win/resource_ids.h"
#include "widgets/win/wide.h"

namespace installer {

CEighthDlg::CEighthDlg(InstallSession& session) : CWizardPage(IDD_COMPLETE, 8, session) {}

void CEighthDlg::OnInitPage() {
    const ProjectStrings& strings = Strings();
    SetText(IDC_SUBHEADING,
            FinishText(strings.productName, strings.versionText, strings.contactEmail));
    CheckDlgButton(hwnd(), IDC_RUN_TERMINAL, BST_CHECKED);
    runTerminal_ = true;

    HWND terminals = Item(IDC_TERMINALS);
    SendMessageW(terminals, CB_RESETCONTENT, 0, 0);
    for (const os::Path& folder : Session().chosenFolders) {
        SendMessageW(terminals, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(folder)));
    }
    SendMessageW(terminals, CB_SETCURSEL, 0, 0);
    Enable(IDOK, false);
    Enable(IDC_PREV, false);
}

bool CEighthDlg::OnPageCommand(WORD code, WORD id, HWND) {
    if (code != BN_CLICKED || id != IDC_RUN_TERMINAL) return false;
    runTerminal_ = !runTerminal_;
    return true;
}

// Only an entry chosen from the list counts; a folder typed into the box is not started.
void CEighthDlg::StartChosenTerminal() const {
    HWND terminals = Item(IDC_TERMINALS);
    const LRESULT selected = SendMessageW(terminals, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return;
    const LRESULT length = SendMessageW(terminals, CB_GETLBTEXTLEN, selected, 0);
    if (length == CB_ERR) return;
    std::u16string folder(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(terminals, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(&folder[0]));
    folder.resize(static_cast<size_t>(length));
    StartTerminal(folder);
}

void CEighthDlg::OnCancel() {
    if (runTerminal_) StartChosenTerminal();
    StartPostExecutePrograms(Session());
    CWizardPage::OnCancel();
}

}  // namespace installer
