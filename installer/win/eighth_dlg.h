#pragma once
// Step 8, the finish page: Finish (the window's close box and Escape too) starts the chosen
// terminal when its box is ticked and every program queued by the installation.

#include "installer/win/wizard_page.h"

namespace installer {

class CEighthDlg : public CWizardPage {
  public:
    explicit CEighthDlg(InstallSession& session);

  protected:
    void OnInitPage() override;
    void OnCancel() override;
    bool OnPageCommand(WORD code, WORD id, HWND control) override;

  private:
    void StartChosenTerminal() const;

    bool runTerminal_ = true;
};

}  // namespace installer
