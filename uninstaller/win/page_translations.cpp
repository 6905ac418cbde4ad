#include "uninstaller/win/page_translations.h"

#include "os/win/resource_bytes.h"
#include "translations/active_texts.h"
#include "translations/win/dialog_texts.h"
#include "uninstaller/win/resource.h"

namespace uninstaller {

namespace {

using translations::DialogText;
using translations::MessageId;

constexpr DialogText kPageTexts[] = {
    {0, 0, MessageId::UninstallCaption},
    {0, IDC_PREV, MessageId::PrevButton},
    {0, IDOK, MessageId::NextButton},
    {0, IDCANCEL, MessageId::CancelButton},
    {IDD_WELCOME, IDC_PUBLISHER_LABEL, MessageId::PublisherLabel},
    {IDD_WELCOME, IDC_CONTACT_LABEL, MessageId::ContactLabel},
    {IDD_WELCOME, IDC_EMAIL_LABEL, MessageId::UninstallEmailLabel},
    {IDD_WELCOME, IDC_CLOSE_TERMINALS, MessageId::UninstallCloseTerminalsText},
    {IDD_PROGRESS, IDC_HEADING, MessageId::UninstallProgressHeading},
    {IDD_PROGRESS, IDC_SUBHEADING, MessageId::UninstallProgressSubheading},
    {IDD_PROGRESS, IDC_STATUS, MessageId::UninstallProgressStatus},
    {IDD_COMPLETE, IDC_HEADING, MessageId::UninstallCompleteHeading},
    {IDD_COMPLETE, IDC_CLICK_FINISH, MessageId::ClickFinishText},
    {IDD_COMPLETE, IDCANCEL, MessageId::FinishButton},
};

}  // namespace

void UseOwnTexts() {
    const os::ResourceBytes texts =
        os::FindResourceBytes(nullptr, MAKEINTRESOURCEW(translations::kUninstallerTextsType),
                              MAKEINTRESOURCEW(translations::kUninstallerTextsId));
    translations::UseTexts(reinterpret_cast<const char16_t*>(texts.data), texts.size / 2);
}

void TranslatePage(HWND page, int templateId) {
    translations::TranslateDialog(page, templateId, kPageTexts,
                                  sizeof kPageTexts / sizeof *kPageTexts);
}

}  // namespace uninstaller
