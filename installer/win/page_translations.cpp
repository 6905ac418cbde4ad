#include "installer/win/page_translations.h"

#include "installer/win/resource_ids.h"
#include "translations/win/dialog_texts.h"

namespace installer {

namespace {

using translations::DialogText;
using translations::MessageId;

// The texts the page templates hold in English. The pages set the others as they start.
constexpr DialogText kPageTexts[] = {
    {0, IDC_PREV, MessageId::PrevButton},
    {0, IDOK, MessageId::NextButton},
    {0, IDCANCEL, MessageId::CancelButton},
    {IDD_WELCOME, IDC_SUBHEADING, MessageId::CloseTerminalsText},
    {IDD_WELCOME, IDC_PUBLISHER_LABEL, MessageId::PublisherLabel},
    {IDD_WELCOME, IDC_CONTACT_LABEL, MessageId::ContactLabel},
    {IDD_WELCOME, IDC_EMAIL_LABEL, MessageId::EmailLabel},
    {IDD_INFORMATION, IDC_HEADING, MessageId::InformationHeading},
    {IDD_INFORMATION, IDC_SUBHEADING, MessageId::InformationSubheading},
    {IDD_INFORMATION, IDC_EXPLANATION, MessageId::InformationContinue},
    {IDD_LICENSE, IDC_HEADING, MessageId::LicenseHeading},
    {IDD_LICENSE, IDC_SUBHEADING, MessageId::LicenseSubheading},
    {IDD_LICENSE, IDC_EXPLANATION, MessageId::LicenseExplanation},
    {IDD_LICENSE, IDC_ACCEPT, MessageId::AcceptLicense},
    {IDD_LICENSE, IDC_DECLINE, MessageId::DeclineLicense},
    {IDD_DESTINATION, IDC_HEADING, MessageId::DestinationHeading},
    {IDD_DESTINATION, IDC_ADD_FOLDER, MessageId::SelectFolderButton},
    {IDD_READY, IDC_HEADING, MessageId::ReadyHeading},
    {IDD_READY, IDC_SUBHEADING, MessageId::ReadySubheading},
    {IDD_READY, IDC_EXPLANATION, MessageId::ReadyExplanation},
    {IDD_PROGRESS, IDC_HEADING, MessageId::ProgressHeading},
    {IDD_PROGRESS, IDC_SUBHEADING, MessageId::ProgressSubheading},
    {IDD_PROGRESS, IDC_EXPLANATION, MessageId::ProgressStatus},
    {IDD_WHATS_NEW, IDC_HEADING, MessageId::WhatsNewHeading},
    {IDD_WHATS_NEW, IDC_SUBHEADING, MessageId::WhatsNewSubheading},
    {IDD_WHATS_NEW, IDC_EXPLANATION, MessageId::WhatsNewContinue},
    {IDD_COMPLETE, IDC_HEADING, MessageId::CompleteHeading},
    {IDD_COMPLETE, IDC_RUN_TERMINAL, MessageId::RunTerminal},
    {IDD_COMPLETE, IDCANCEL, MessageId::FinishButton},
};

}  // namespace

void TranslatePage(HWND page, int templateId) {
    translations::TranslateDialog(page, templateId, kPageTexts,
                                  sizeof kPageTexts / sizeof *kPageTexts);
}

}  // namespace installer
