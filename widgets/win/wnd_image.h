#pragma once
// CWndImage: a child window showing one icon or one bitmap, the bitmap placed by a fit mode
// and an alignment (widgets/image_fit.h). An icon, when held, is drawn centred at the
// standard icon size and takes precedence over the bitmap.
//
//   CWndImage preview;
//   preview.Create(parent, 3031, {20, 20, 180, 180}, WS_BORDER);
//   preview.SetBitmap(bitmap, true);   // owned: deleted with the window's next bitmap

#include <windows.h>

#include "widgets/image_fit.h"
#include "widgets/win/window.h"

class CWndImage : public win::Window {
  public:
    CWndImage() = default;
    ~CWndImage() override;

    // False when the window class cannot be registered or the window created.
    bool Create(HWND parent, int id, const RECT& rect, DWORD extraStyle);

    // Shows `icon` (nullptr for none); an owned icon is destroyed when replaced.
    void SetIcon(HICON icon, bool owned);
    // Shows `bitmap` (nullptr for none); an owned bitmap is deleted when replaced or cleared.
    void SetBitmap(HBITMAP bitmap, bool owned);
    // Drops the bitmap and redraws. The icon is not touched.
    void Clear();

    void SetFitMode(int mode);
    void SetAlignment(int horizontal, int vertical);
    void SetBackground(COLORREF colour);

    HICON Icon() const { return m_icon; }
    HBITMAP Bitmap() const { return m_bitmap; }
    SIZE BitmapSize() const { return m_bitmapSize; }
    const widgets::ImageBox& DestinationBox() const { return m_destination; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Recompute();
    void Paint(HDC dc, const RECT& client);
    void PaintBitmap(HDC dc, const RECT& client);

    HICON m_icon = nullptr;
    bool m_ownsIcon = false;
    HBITMAP m_bitmap = nullptr;
    bool m_ownsBitmap = false;
    SIZE m_bitmapSize = {0, 0};
    widgets::ImageFit m_fit;
    widgets::ImageBox m_destination;
    COLORREF m_background = GetSysColor(COLOR_BTNFACE);
};
