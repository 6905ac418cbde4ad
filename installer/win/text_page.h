#pragma once
// The readme (step 2), license (step 3) and what's-new (step 7) pages: one read-only rich text
// filled from a package text. A page whose text is empty ends itself at once in the direction
// of travel.

#include <string>

#include "installer/win/wizard_page.h"

namespace installer {

class CTextPage : public CWizardPage {
  public:
    // `fileName` is the session's name of the page's text entry.
    CTextPage(int templateId, int step, InstallSession& session,
              std::u16string InstallSession::*fileName);

  protected:
    void OnInitPage() override;

  private:
    std::u16string InstallSession::*fileName_;
};

class CSecondDlg : public CTextPage {
  public:
    explicit CSecondDlg(InstallSession& session);
};

// The license must be accepted before Next is enabled.
class CThirdDlg : public CTextPage {
  public:
    explicit CThirdDlg(InstallSession& session);

  protected:
    bool OnPageCommand(WORD code, WORD id, HWND control) override;
};

class CSeventhDlg : public CTextPage {
  public:
    explicit CSeventhDlg(InstallSession& session);
};

}  // namespace installer
