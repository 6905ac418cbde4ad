#pragma once
// The gallery page of the small widgets: navigator buttons with the "current" mark, a raised
// icon button, the section header band, the main toolbar and the image window's fit modes.

#include <windows.h>

#include "widgets/win/button_st.h"
#include "widgets/win/handle.h"
#include "builder/ui/win/my_toolbar.h"
#include "builder/ui/win/section_header.h"
#include "widgets/win/window.h"
#include "widgets/win/wnd_image.h"

namespace gallery {

class KitPage : public win::Window {
  public:
    static constexpr int kSectionCount = 4;

    // Creates the page and its widgets; false when one cannot be made.
    bool Create(HWND parent, int id, const RECT& rect);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ShowSection(int index);

    CMyToolBar m_toolbar;
    CSectionHeader m_header;
    CButtonST m_sections[kSectionCount];
    CButtonST2 m_update;
    CWndImage m_images[3];
    win::Icon m_headerIcons[kSectionCount];
};

}  // namespace gallery
