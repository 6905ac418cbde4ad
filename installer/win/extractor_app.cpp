#include "installer/win/extractor_app.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "installer/win/eighth_dlg.h"
#include "installer/win/fifth_dlg.h"
#include "installer/win/first_dlg.h"
#include "installer/win/fourth_dlg.h"
#include "installer/win/sixth_dlg.h"
#include "installer/win/setup_language.h"
#include "installer/win/setup_modes.h"
#include "installer/win/text_page.h"
#include "installer/unattended_install.h"
#include "installer/wizard_flow.h"
#include "widgets/win/wide.h"
#include "translations/active_texts.h"

namespace installer {

using translations::MessageId;
using translations::Text;

namespace {

template <class Page>
int32_t RunPage(InstallSession& session) {
    Page page(session);
    return static_cast<int32_t>(page.RunModal(nullptr));
}

}  // namespace

CExtractorApp::CExtractorApp() = default;
CExtractorApp::~CExtractorApp() = default;

int CExtractorApp::Run(const wchar_t* commandLine) {
    int status = kInstalled;
    if (RunWithoutWizard(commandLine, &status)) return status;
    UseSetupLanguage();

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The folder browser and the picture loader need COM on this thread.
    const HRESULT com = OleInitialize(nullptr);
    // The text pages use rich edit controls; the library stays loaded until the process ends.
    LoadLibraryW(L"Riched20.dll");

    session_ = std::make_unique<InstallSession>();
    // A broken download is refused before the first page, so nothing of it is ever written.
    if (CheckPackageShowingProgress(session_->packageReader) == PackageCheck::Damaged) {
        MessageBoxW(nullptr, win::W(Text(MessageId::DamagedSetupMessage, kDamagedSetupMessage)),
                    win::W(Text(MessageId::SetupCaption, kSetupCaption)), MB_OK | MB_ICONERROR);
        status = kDamagedSetup;
    } else {
        RunWizard([this](int step, bool movingForward) { return ShowStep(step, movingForward); });
    }
    session_.reset();
    if (SUCCEEDED(com)) OleUninitialize();
    return status;
}

int32_t CExtractorApp::ShowStep(int step, bool movingForward) {
    InstallSession& session = *session_;
    session.movingForward = movingForward;
    switch (step) {
        case 1:
            return RunPage<CFirstDlg>(session);
        case 2:
            return RunPage<CSecondDlg>(session);
        case 3:
            return RunPage<CThirdDlg>(session);
        case 4:
            return RunPage<CFourthDlg>(session);
        case 5:
            return RunPage<CFifthDlg>(session);
        case 6:
            return RunPage<CSixthDlg>(session);
        case 7:
            return RunPage<CSeventhDlg>(session);
        case 8:
            return RunPage<CEighthDlg>(session);
        default:
            return kPageCancel;
    }
}

}  // namespace installer

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    installer::CExtractorApp app;
    return app.Run(commandLine);
}
