#pragma once
// Step 1, the welcome page: opens the package, names the product and its publisher, and keeps
// Next disabled while a MetaTrader terminal runs.

#include "installer/win/wizard_page.h"

namespace installer {

class CFirstDlg : public CWizardPage {
  public:
    explicit CFirstDlg(InstallSession& session);

  protected:
    void OnPrepare() override;
    void OnInitPage() override;
    void OnTimer(UINT_PTR timerId) override;
    void OnDestroy() override;

  private:
    CHyperLink publisherLink_;
    CHyperLink emailLink_;
};

}  // namespace installer
