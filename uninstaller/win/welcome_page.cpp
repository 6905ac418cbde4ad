#include "uninstaller/win/welcome_page.h"

#include "base/text.h"
#include "os/os.h"
#include "uninstaller/page_texts.h"
#include "uninstaller/win/resource.h"
#include "translations/active_texts.h"

namespace uninstaller {

using translations::MessageId;

namespace {

constexpr UINT_PTR kTerminalTimer = 1;
constexpr UINT kTerminalCheckMs = 500;
constexpr char16_t kTerminalProgram[] = u"terminal.exe";

// A value the installer wrote from an empty field, or a default, is no address.
bool IsAddress(const std::u16string& value) {
    return !value.empty() && value != u"none";
}

}  // namespace

WelcomePage::WelcomePage(UninstallSession& session) : UninstallPage(IDD_WELCOME, session, 24) {}

void WelcomePage::OnOpen() {
    const ProductValues& values = session_.product.values;
    SetText(IDC_HEADING, translations::Text(MessageId::WelcomeHeading, kWelcomeHeading));
    SetText(IDC_PRODUCT, WelcomeProductText(values.productName, values.version));
    SetText(IDC_PUBLISHER, values.publisher);
    SetText(IDC_CONTACT, values.contactName);
    SetText(IDC_EMAIL, values.email);
    // The publisher leads to the product's web page and the address opens a new mail.
    if (IsAddress(values.productUrl) && IsAddress(values.publisher)) {
        publisherLink_.SetAddress(values.productUrl);
        publisherLink_.Attach(Item(IDC_PUBLISHER));
    }
    if (IsAddress(values.email) && text::Contains(values.email, u"@")) {
        emailLink_.SetAddress(u"mailto:" + values.email);
        emailLink_.Attach(Item(IDC_EMAIL));
    }
    UpdateNext();
    SetTimer(hwnd(), kTerminalTimer, kTerminalCheckMs, nullptr);
}

bool WelcomePage::OnCommand(WORD code, WORD id, HWND control) {
    // Enter reaches a disabled default button too.
    if (id == IDOK && !IsWindowEnabled(Item(IDOK))) return true;
    return UninstallPage::OnCommand(code, id, control);
}

void WelcomePage::OnTimer(UINT_PTR timerId) {
    if (timerId == kTerminalTimer) UpdateNext();
}

void WelcomePage::OnDestroy() {
    KillTimer(hwnd(), kTerminalTimer);
}

void WelcomePage::UpdateNext() {
    Enable(IDOK, !os::IsProcessRunning(kTerminalProgram));
}

}  // namespace uninstaller
