#include "installer/win/fifth_dlg.h"

#include "installer/page_texts.h"
#include "installer/win/resource_ids.h"

namespace installer {

CFifthDlg::CFifthDlg(InstallSession& session) : CWizardPage(IDD_READY, 5, session) {}

void CFifthDlg::OnInitPage() {
    os::Path programFiles;
    os::GetKnownFolder(os::KnownFolder::ProgramFiles, &programFiles);
    const ProjectStrings& strings = Strings();
    SetText(IDC_SUMMARY,
            SummaryText(strings.productName, strings.versionText, Session().chosenTerminals,
                        programFiles, strings.productDirectory));
    // Showing the page may scroll a text that does not fit; it is read from its first line.
    PostMessageW(Item(IDC_SUMMARY), WM_VSCROLL, SB_TOP, 0);
}

}  // namespace installer
