// Uninstall.exe: removes the product that the installation recorded in the registry and in
// the product folder's "Install.log", through three pages.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "uninstaller/page_flow.h"
#include "uninstaller/page_texts.h"
#include "uninstaller/removal_plan.h"
#include "uninstaller/win/banner_picture.h"
#include "uninstaller/win/complete_page.h"
#include "uninstaller/win/page_translations.h"
#include "uninstaller/win/product_registry.h"
#include "uninstaller/win/progress_page.h"
#include "uninstaller/win/uninstall_modes.h"
#include "uninstaller/win/welcome_page.h"
#include "widgets/win/wide.h"
#include "translations/active_texts.h"

namespace {

using namespace uninstaller;
using translations::MessageId;
using translations::Text;

INT_PTR ShowPage(Page page, UninstallSession& session) {
    switch (page) {
        case Page::Welcome:
            return WelcomePage(session).RunModal(nullptr);
        case Page::Progress:
            return ProgressPage(session).RunModal(nullptr);
        case Page::Complete:
            return CompletePage(session).RunModal(nullptr);
        case Page::End:
            break;
    }
    return kPageCancel;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    int exitCode = 0;
    if (RunWithoutPages(commandLine, &exitCode)) return exitCode;
    UseOwnTexts();

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The banner is decoded by the system's picture loader.
    const HRESULT com = CoInitialize(nullptr);

    UninstallSession session;
    session.ownFolder = OwnFolder();
    session.product = FindOwnProductInRegistry(session.ownFolder);
    if (!MakeRemovalPlan(session.product, session.ownFolder).trusted) {
        MessageBoxW(nullptr, win::W(Text(MessageId::EntryDamagedMessage, kEntryDamagedMessage)),
                    win::W(Text(MessageId::UninstallCaption, kMessageCaption)),
                    MB_OK | MB_ICONERROR);
        exitCode = 1;
    } else {
        WriteBannerPicture(&session.bannerFile);
        for (Page page = Page::Welcome; page != Page::End;) {
            page = NextPage(page, static_cast<int32_t>(ShowPage(page, session)));
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
