#pragma once
// Step 4: the MetaTrader terminals to install into. The terminals found below Program Files and
// in the users' data folders are listed, others can be added with the folder browser, and Next
// follows the ticks.

#include <vector>

#include "installer/win/wizard_page.h"

namespace installer {

class CFourthDlg : public CWizardPage {
  public:
    explicit CFourthDlg(InstallSession& session);

  protected:
    void OnInitPage() override;
    void OnNext() override;
    bool OnPageCommand(WORD code, WORD id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  private:
    void ShowRows();
    void BrowseForFolder();
    void ToggleRow(int row);
    void UpdateNext() const;
    bool IsTicked(int row) const;

    HWND list_ = nullptr;
    std::vector<TerminalTarget> rows_;  // the list's terminals, in row order
};

}  // namespace installer
