#pragma once
// The first page: what is about to be uninstalled, and Next held back while a MetaTrader
// terminal runs (its files could not be deleted).

#include "uninstaller/win/page.h"
#include "widgets/win/hyperlink.h"

namespace uninstaller {

class WelcomePage : public UninstallPage {
  public:
    explicit WelcomePage(UninstallSession& session);

  protected:
    void OnOpen() override;
    bool OnCommand(WORD code, WORD id, HWND control) override;
    void OnTimer(UINT_PTR timerId) override;
    void OnDestroy() override;
    COLORREF HeadingColour() const override { return RGB(255, 15, 0); }

  private:
    void UpdateNext();

    CHyperLink publisherLink_;
    CHyperLink emailLink_;
};

}  // namespace uninstaller
