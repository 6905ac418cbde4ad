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
    for (const TerminalTarget& terminal : Session().chosenTerminals) {
        SendMessageW(terminals, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(terminal.label)));
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
    const std::vector<TerminalTarget>& chosen = Session().chosenTerminals;
    if (selected == CB_ERR || static_cast<size_t>(selected) >= chosen.size()) return;
    StartTerminal(chosen[static_cast<size_t>(selected)]);
}

void CEighthDlg::OnCancel() {
    if (runTerminal_) StartChosenTerminal();
    StartPostExecutePrograms(Session());
    CWizardPage::OnCancel();
}

}  // namespace installer
