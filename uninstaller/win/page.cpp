#include "uninstaller/win/page.h"

#include "uninstaller/win/page_translations.h"
#include "uninstaller/win/resource.h"
#include "widgets/win/banner.h"

namespace uninstaller {

UninstallPage::UninstallPage(int templateId, UninstallSession& session, int headingHeight)
    : win::Dialog(templateId), session_(session), headingHeight_(headingHeight) {}

bool UninstallPage::OnInit() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Shared icons belong to the system's cache and need no clean-up.
    const auto icon = [instance](int metricX, int metricY) {
        return reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_UNINSTALL),
                                                   IMAGE_ICON, GetSystemMetrics(metricX),
                                                   GetSystemMetrics(metricY), LR_SHARED));
    };
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, icon(SM_CXICON, SM_CYICON));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, icon(SM_CXSMICON, SM_CYSMICON));

    LOGFONTW font = {};
    font.lfHeight = -headingHeight_;
    font.lfWeight = FW_SEMIBOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    headingFont_.reset(CreateFontIndirectW(&font));
    if (headingFont_)
        SendDlgItemMessageW(hwnd(), IDC_HEADING, WM_SETFONT,
                            reinterpret_cast<WPARAM>(headingFont_.get()), FALSE);

    TranslatePage(hwnd(), TemplateId());
    OnOpen();
    return true;
}

void UninstallPage::OnPaint(HDC dc, const PAINTSTRUCT&) {
    win::PaintBanner(hwnd(), Item(IDC_BANNER), dc, session_.bannerFile, IDB_BANNER);
}

HBRUSH UninstallPage::OnCtlColor(UINT message, HDC dc, HWND control) {
    if (message != WM_CTLCOLORSTATIC || control != Item(IDC_HEADING)) return nullptr;
    SetTextColor(dc, HeadingColour());
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace uninstaller
