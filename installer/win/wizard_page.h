#pragma once
// What every wizard page has in common: the window icon, the caption, the banner at the left,
// the heading fonts, the maker's link and the three buttons. A page is created afresh each
// time it is shown and ends with Next (IDOK), Cancel (IDCANCEL) or Prev (IDC_PREV).

#include <windows.h>

#include <string>

#include "installer/install_session.h"
#include "widgets/win/dialog.h"
#include "widgets/win/handle.h"
#include "widgets/win/hyperlink.h"

namespace installer {

// The height in pixels that `text` takes in `control`'s font, wrapped at `width` pixels as a
// static text wraps it.
int TextHeight(HWND control, const wchar_t* text, int width);

class CWizardPage : public win::Dialog {
  public:
    CWizardPage(int templateId, int step, InstallSession& session);

  protected:
    // Runs before anything else of the page's initialisation.
    virtual void OnPrepare() {}
    // The page's own content, between the icon and the caption.
    virtual void OnInitPage() {}
    // Next and Cancel end the page; pages that do more before ending override them.
    virtual void OnNext();
    virtual void OnCancel();
    // Commands of the page's own controls.
    virtual bool OnPageCommand(WORD code, WORD id, HWND control) { return false; }

    // Ends the page with a result of the page protocol (Next, Cancel, Prev).
    void EndPage(int32_t result);

    InstallSession& Session() const { return session_; }
    const ProjectStrings& Strings() const { return session_.packageReader.GetProjectStrings(); }
    int Step() const { return step_; }
    // A message box owned by the page, captioned like it.
    void ShowMessage(const std::u16string& message, UINT icon) const;

    bool OnInit() final;
    bool OnCommand(WORD code, WORD id, HWND control) final;
    void OnPaint(HDC dc, const PAINTSTRUCT& paint) override;
    HBRUSH OnCtlColor(UINT message, HDC dc, HWND control) override;

  private:
    void SetWindowIcon();
    void SetHeadingFonts();
    void FitTexts();
    bool FocusDefaultButton() const;

    InstallSession& session_;
    int step_;
    bool ended_ = false;
    win::Icon fileIcon_;  // an icon loaded from the package; the built-in one is shared
    win::Font headingFont_;
    win::Font labelFont_;
    CHyperLink makerLink_;
};

}  // namespace installer
