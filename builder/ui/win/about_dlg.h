#pragma once
// CAboutDlg: the About box, with the builder's picture, name and version, and two links: the
// product's web page and the maker's home page.

#include <string>

#include "widgets/win/dialog.h"
#include "widgets/win/handle.h"
#include "widgets/win/hyperlink.h"

class CAboutDlg : public win::Dialog {
  public:
    // `runningVersion` is the version digits ("129"); empty when unknown.
    explicit CAboutDlg(const std::u16string& runningVersion);

  protected:
    bool OnInit() override;
    HBRUSH OnCtlColor(UINT message, HDC dc, HWND control) override;

  private:
    std::u16string m_runningVersion;
    win::Font m_titleFont;
    win::Font m_textFont;
    CHyperLink m_productLink;
    CHyperLink m_homeLink;
};
