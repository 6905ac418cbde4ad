#pragma once
// CMyToolBar: a list-style toolbar (labels beside the images) that paints its own background
// and draws its buttons itself through custom draw.
//
//   const CMyToolBar::Button buttons[] = {{ID_FILE_NEW, 0, u"New Project"}, ...};
//   toolbar.Create(frame, IDC_TOOLBAR, instance, IDB_TOOLBAR, {24, 23}, buttons, 6);
//   // in the frame's WM_NOTIFY:  if (toolbar.OnNotify(*header, &result)) return result;
//
// Clicks arrive at the parent as WM_COMMAND with the button's command, as with any toolbar.

#include <windows.h>
#include <commctrl.h>

#include "widgets/win/image_strip.h"
#include "widgets/win/window.h"

class CMyToolBar : public win::Window {
  public:
    struct Button {
        int command;  // 0 for a separator
        int image;    // index into the strip
        const char16_t* text;
    };

    // Destroys the toolbar while its images are still there.
    ~CMyToolBar() override;

    // Creates the toolbar along the top of `parent`, 32 pixels high, with the images of
    // bitmap strip `bitmapId`. False when the window or the images cannot be made.
    bool Create(HWND parent, int id, HINSTANCE instance, int bitmapId, SIZE imageSize,
                const Button* buttons, int count);

    void EnableButton(int command, bool enabled);
    // Places the toolbar across the parent's width (after the parent was resized).
    void Resize();
    int Height() const;

    // The parent's WM_NOTIFY; true when it was this toolbar's custom draw.
    bool OnNotify(const NMHDR& header, LRESULT* result);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void PaintBackground(HDC dc);
    LRESULT DrawButton(const NMTBCUSTOMDRAW& draw);

    win::ImageList m_images;
    SIZE m_imageSize = {0, 0};
};
