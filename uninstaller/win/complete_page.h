#pragma once
// The last page: the result, and the product's banner written out for the pages to paint.

#include "uninstaller/win/page.h"

namespace uninstaller {

class CompletePage : public UninstallPage {
  public:
    explicit CompletePage(UninstallSession& session);

  protected:
    void OnOpen() override;
    bool OnCommand(WORD code, WORD id, HWND control) override;
};

}  // namespace uninstaller
