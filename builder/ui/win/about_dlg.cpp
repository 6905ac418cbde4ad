#include "builder/ui/win/about_dlg.h"

#include "builder/ui/app_identity.h"
#include "builder/ui/update_rules.h"
#include "builder/ui/win/builder_resource_ids.h"
#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace {

const COLORREF kTitleColour = RGB(14, 42, 64);

}  // namespace

CAboutDlg::CAboutDlg(const std::u16string& runningVersion)
    : Dialog(IDD_ABOUTBOX), m_runningVersion(runningVersion) {
    m_titleFont.reset(win::CreateSwissFont(L"Tahoma", 36, FW_BOLD, CLEARTYPE_QUALITY));
    m_textFont.reset(win::CreateSwissFont(L"Tahoma", 15, FW_NORMAL, CLEARTYPE_QUALITY));
}

bool CAboutDlg::OnInit() {
    const int textControls[] = {IDC_ABOUT_VERSION, IDC_ABOUT_NOTICE, IDC_ABOUT_DISTRIBUTION,
                                IDC_PRODUCT_LINK, IDC_HOME_LINK};
    for (int id : textControls) win::SetControlFont(Item(id), m_textFont.get());
    win::SetControlFont(Item(IDC_ABOUT_TITLE), m_titleFont.get());
    SetText(IDC_ABOUT_TITLE, std::u16string(ui::kAppName) + u" " + ui::ShownVersion());
    const std::u16string version =
        m_runningVersion.empty() ? ui::ShownVersion()
                                 : ui::VersionWithDecimals(ui::VersionInteger(m_runningVersion));
    SetText(IDC_ABOUT_VERSION, u"Version " + version);

    m_productLink.SetAddress(ui::kProductPageUrl);
    m_productLink.Attach(Item(IDC_PRODUCT_LINK));
    m_homeLink.SetAddress(ui::kMakerHomeUrl);
    m_homeLink.Attach(Item(IDC_HOME_LINK));
    return true;
}

HBRUSH CAboutDlg::OnCtlColor(UINT message, HDC dc, HWND control) {
    if (message == WM_CTLCOLORSTATIC && control == Item(IDC_ABOUT_TITLE)) {
        SetTextColor(dc, kTitleColour);
        SetBkMode(dc, TRANSPARENT);
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}
