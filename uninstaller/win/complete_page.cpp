#include "uninstaller/win/complete_page.h"

#include "uninstaller/page_texts.h"
#include "uninstaller/win/banner_picture.h"
#include "uninstaller/win/resource.h"

namespace uninstaller {

CompletePage::CompletePage(UninstallSession& session) : UninstallPage(IDD_COMPLETE, session, 16) {}

void CompletePage::OnOpen() {
    WriteBannerPicture(&session_.bannerFile);
    SetText(IDC_RESULT, CompleteText(session_.product.values.productName));
    // Finish is the default button; the focus follows it rather than the first button.
    PostMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDCANCEL)), TRUE);
}

bool CompletePage::OnCommand(WORD code, WORD id, HWND control) {
    if (id == IDC_PREV && code == BN_CLICKED) {
        End(IDC_PREV);
        return true;
    }
    return UninstallPage::OnCommand(code, id, control);
}

}  // namespace uninstaller
