#pragma once
// Step 5, the summary of what will be installed where.

#include "installer/win/wizard_page.h"

namespace installer {

class CFifthDlg : public CWizardPage {
  public:
    explicit CFifthDlg(InstallSession& session);

  protected:
    void OnInitPage() override;
};

}  // namespace installer
