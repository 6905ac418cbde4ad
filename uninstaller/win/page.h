#pragma once
// What the three pages have in common: the window icon, the heading font and the banner.

#include <windows.h>

#include "uninstaller/win/session.h"
#include "widgets/win/dialog.h"
#include "widgets/win/handle.h"

namespace uninstaller {

class UninstallPage : public win::Dialog {
  public:
    UninstallPage(int templateId, UninstallSession& session, int headingHeight);

  protected:
    // The page's own content, after the common set-up.
    virtual void OnOpen() {}

    bool OnInit() override;
    void OnPaint(HDC dc, const PAINTSTRUCT& paint) override;
    HBRUSH OnCtlColor(UINT message, HDC dc, HWND control) override;
    // The colour of the heading text; the default is the system's.
    virtual COLORREF HeadingColour() const { return GetSysColor(COLOR_WINDOWTEXT); }

    UninstallSession& session_;

  private:
    int headingHeight_;
    win::Font headingFont_;
};

}  // namespace uninstaller
