#include "installer/win/wizard_page.h"

#include "installer/page_texts.h"
#include "installer/win/page_translations.h"
#include "installer/win/resource_ids.h"
#include "installer/wizard_flow.h"
#include "widgets/win/banner.h"
#include "widgets/win/wide.h"

namespace installer {

namespace {

constexpr char16_t kMakerAddress[] = u"https://www.tessark.com/";
constexpr wchar_t kMakerLinkText[] = L"www.tessark.com";
constexpr wchar_t kHeadingFace[] = L"Vaved";
constexpr COLORREF kWelcomeHeadingColour = RGB(255, 15, 0);

HFONT HeadingFont(int height, int weight) {
    // The face is the product's own; where it is not installed the font mapper picks a sans
    // serif face of the same size.
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, kHeadingFace);
}

}  // namespace

int TextHeight(HWND control, const wchar_t* text, int width) {
    RECT need = {0, 0, width, 0};
    HDC dc = GetDC(control);
    HGDIOBJ font =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, font);
    ReleaseDC(control, dc);
    return need.bottom;
}

CWizardPage::CWizardPage(int templateId, int step, InstallSession& session)
    : Dialog(templateId), session_(session), step_(step) {}

bool CWizardPage::OnInit() {
    OnPrepare();
    SetWindowIcon();
    SetHeadingFonts();
    TranslatePage(hwnd(), TemplateId());
    OnInitPage();
    session_.windowTitle =
        WindowTitle(step_, Strings().productName, Strings().versionText, Strings().productUrl);
    SetWindowTextW(hwnd(), win::W(session_.windowTitle));
    SetText(IDC_MAKER_LINK, kMakerLinkText);
    makerLink_.SetAddress(kMakerAddress);
    makerLink_.Attach(Item(IDC_MAKER_LINK));
    if (ended_) return true;
    FitTexts();
    return FocusDefaultButton();
}

// The focus starts on Next, or on Cancel (Finish) while Next is disabled, rather than on the
// first control, which for a text would select all of it and scroll to its end. The page is
// shown first: a hidden window cannot take the focus everywhere. True when neither button can
// take it.
bool CWizardPage::FocusDefaultButton() const {
    for (int id : {IDOK, IDCANCEL}) {
        HWND button = Item(id);
        if (button && IsWindowEnabled(button)) {
            ShowWindow(hwnd(), SW_SHOW);
            SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
            return false;
        }
    }
    return true;
}

void CWizardPage::EndPage(int32_t result) {
    ended_ = true;
    End(result);
}

void CWizardPage::SetWindowIcon() {
    HICON icon = nullptr;
    const os::Path file = session_.TemporaryFile(session_.iconFileName);
    if (!file.empty()) {
        fileIcon_.reset(static_cast<HICON>(
            LoadImageW(nullptr, win::W(file), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                       GetSystemMetrics(SM_CYICON), LR_LOADFROMFILE)));
        icon = fileIcon_.get();
    }
    if (!icon) icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_INSTALLER));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

// The welcome page has a large red heading and larger labels; the other pages a bold heading.
// The fonts are given to the controls, so that their text is laid out in them too.
void CWizardPage::SetHeadingFonts() {
    const bool welcome = step_ == 1;
    headingFont_.reset(welcome ? HeadingFont(24, 600) : HeadingFont(16, 600));
    SendMessageW(Item(IDC_HEADING), WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.get()),
                 FALSE);
    if (!welcome) return;
    labelFont_.reset(HeadingFont(16, 400));
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id == IDC_WELCOME_TEXT || (id >= IDC_PUBLISHER_LABEL && id <= IDC_EMAIL_LABEL)) {
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
        }
    }
}

// A long product name can make a text need more lines than its control has: the text then
// grows to fit, and every control below it, and the page itself, move down by as much.
void CWizardPage::FitTexts() {
    for (int id = IDC_SUBHEADING; id <= IDC_WELCOME_TEXT; ++id) {
        HWND text = Item(id);
        if (!text) continue;
        RECT box;
        GetWindowRect(text, &box);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&box), 2);
        wchar_t content[1024];
        GetWindowTextW(text, content, 1024);
        const int grow = TextHeight(text, content, box.right - box.left) - (box.bottom - box.top);
        if (grow <= 0) continue;
        // The controls in page order, then the page itself, whose rectangle is on the screen.
        for (HWND window = GetWindow(hwnd(), GW_CHILD);; window = GetWindow(window, GW_HWNDNEXT)) {
            RECT rect;
            GetWindowRect(window ? window : hwnd(), &rect);
            if (window) {
                MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
                if (rect.top >= box.bottom) {
                    rect.top += grow;
                } else if (window != text) {
                    continue;
                }
            }
            rect.bottom += grow;
            MoveWindow(window ? window : hwnd(), rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, FALSE);
            if (!window) break;
        }
    }
}

HBRUSH CWizardPage::OnCtlColor(UINT message, HDC dc, HWND control) {
    if (message != WM_CTLCOLORSTATIC || step_ != 1 || GetDlgCtrlID(control) != IDC_HEADING) {
        return nullptr;
    }
    // The system's colours first, then the heading's own text colour over them.
    auto brush = reinterpret_cast<HBRUSH>(DefWindowProcW(
        hwnd(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    SetTextColor(dc, kWelcomeHeadingColour);
    return brush;
}

void CWizardPage::OnPaint(HDC dc, const PAINTSTRUCT&) {
    win::PaintBanner(hwnd(), Item(IDC_BANNER_FRAME), dc,
                     session_.TemporaryFile(session_.bannerFileName), IDB_BANNER);
}

bool CWizardPage::OnCommand(WORD code, WORD id, HWND control) {
    if (code == BN_CLICKED && (id == IDOK || id == IDCANCEL || id == IDC_PREV)) {
        // Enter, Escape and the close box arrive as the buttons' commands; while a button is
        // disabled they do nothing, just as a click on it would not.
        HWND button = Item(id);
        if (button && !IsWindowEnabled(button)) return true;
        if (id == IDOK) {
            OnNext();
        } else if (id == IDCANCEL) {
            OnCancel();
        } else {
            EndPage(kPagePrev);
        }
        return true;
    }
    return OnPageCommand(code, id, control);
}

void CWizardPage::OnNext() {
    EndPage(kPageNext);
}

void CWizardPage::OnCancel() {
    EndPage(kPageCancel);
}

void CWizardPage::ShowMessage(const std::u16string& message, UINT icon) const {
    MessageBoxW(hwnd(), win::W(message), win::W(session_.windowTitle), MB_OK | icon);
}

}  // namespace installer
