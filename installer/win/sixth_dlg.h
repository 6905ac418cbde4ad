#pragma once
// Step 6: the installation runs on a worker thread while the page shows its progress and log.
// Every way off the page stays disabled until the run is over: after success Next and Cancel,
// after a failure (reported in a message box) Cancel only.

#include <windows.h>

#include "installer/win/wizard_page.h"
#include "registry/win/nt_registry.h"
#include "widgets/win/background_work.h"

namespace installer {

class CSixthDlg : public CWizardPage {
  public:
    explicit CSixthDlg(InstallSession& session);

  protected:
    void OnInitPage() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    static DWORD WINAPI InstallationThread(void* page);
    void Install();
    void Finished(int32_t result);

    CNtRegistry registry_;
    win::BackgroundWork run_;
};

}  // namespace installer
