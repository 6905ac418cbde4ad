#include "installer/win/first_dlg.h"

#include "installer/page_texts.h"
#include "installer/win/resource_ids.h"
#include "translations/active_texts.h"

namespace installer {

using translations::MessageId;

namespace {

constexpr UINT_PTR kTerminalCheckTimer = 1;
constexpr UINT kTerminalCheckMs = 500;
constexpr char16_t kTerminalProcess[] = u"terminal.exe";

}  // namespace

CFirstDlg::CFirstDlg(InstallSession& session) : CWizardPage(IDD_WELCOME, 1, session) {}

void CFirstDlg::OnPrepare() {
    OpenPackage(&Session());
}

void CFirstDlg::OnInitPage() {
    const ProjectStrings& strings = Strings();
    SetText(IDC_HEADING, translations::Text(MessageId::WelcomeHeading, kWelcomeHeading));
    SetText(IDC_WELCOME_TEXT, WelcomeText(strings.productName, strings.versionText));
    SetText(IDC_PUBLISHER, strings.publisher);
    publisherLink_.SetAddress(strings.productUrl);
    publisherLink_.Attach(Item(IDC_PUBLISHER));
    SetText(IDC_CONTACT, strings.contactName);
    SetText(IDC_EMAIL, strings.contactEmail);
    emailLink_.SetAddress(strings.contactEmail);
    emailLink_.Attach(Item(IDC_EMAIL));
    SetTimer(hwnd(), kTerminalCheckTimer, kTerminalCheckMs, nullptr);
}

void CFirstDlg::OnTimer(UINT_PTR timerId) {
    if (timerId != kTerminalCheckTimer) return;
    Enable(IDOK, !os::IsProcessRunning(kTerminalProcess));
}

void CFirstDlg::OnDestroy() {
    KillTimer(hwnd(), kTerminalCheckTimer);
}

}  // namespace installer
