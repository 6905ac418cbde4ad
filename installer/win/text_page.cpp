#include "installer/win/text_page.h"

#include <richedit.h>

#include "installer/text_page_file.h"
#include "installer/utf8_chunk_reader.h"
#include "installer/win/resource_ids.h"
#include "installer/wizard_flow.h"

namespace installer {

namespace {

DWORD CALLBACK ReadNextChunk(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* done) {
    auto* reader = reinterpret_cast<Utf8ChunkReader*>(cookie);
    *done = static_cast<LONG>(reader->Next(buffer, capacity));
    return 0;
}

// The text goes in as RTF in UTF-8: RTF files keep to ASCII, and a plain text file that has
// other characters still shows them as they are.
void StreamIn(HWND richText, const std::u16string& text) {
    Utf8ChunkReader reader(text);
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = ReadNextChunk;
    SendMessageW(richText, EM_STREAMIN, (CP_UTF8 << 16) | SF_USECODEPAGE | SF_RTF,
                 reinterpret_cast<LPARAM>(&stream));
}

}  // namespace

CTextPage::CTextPage(int templateId, int step, InstallSession& session,
                     std::u16string InstallSession::*fileName)
    : CWizardPage(templateId, step, session), fileName_(fileName) {}

void CTextPage::OnInitPage() {
    HWND richText = Item(IDC_RICH_TEXT);
    std::u16string text;
    const os::Path file = Session().TemporaryFile(Session().*fileName_);
    if (!file.empty()) ReadTextPageFile(file, &text);
    StreamIn(richText, text);
    const auto skip = TextPageSkipResult(static_cast<size_t>(GetWindowTextLengthW(richText)),
                                         Session().movingForward);
    if (skip) EndPage(*skip);
}

CSecondDlg::CSecondDlg(InstallSession& session)
    : CTextPage(IDD_INFORMATION, 2, session, &InstallSession::readmeFileName) {}

CThirdDlg::CThirdDlg(InstallSession& session)
    : CTextPage(IDD_LICENSE, 3, session, &InstallSession::licenseFileName) {}

bool CThirdDlg::OnPageCommand(WORD code, WORD id, HWND) {
    if (code != BN_CLICKED || (id != IDC_ACCEPT && id != IDC_DECLINE)) return false;
    Enable(IDOK, id == IDC_ACCEPT);
    return true;
}

CSeventhDlg::CSeventhDlg(InstallSession& session)
    : CTextPage(IDD_WHATS_NEW, 7, session, &InstallSession::whatsNewFileName) {}

}  // namespace installer
