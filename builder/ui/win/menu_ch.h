#pragma once
// CMenuCH: an owner-drawn popup menu whose items carry an image from a strip at their left
// and the accelerator text right-aligned.
//
//   CMenuCH file;
//   file.CreatePopup();
//   file.LoadImages(instance, IDB_MENU_IMAGES, 16, 16);
//   file.AppendItem(ID_FILE_NEW, u"&New Project\tCtrl+N", 0);
//   file.AppendSeparator();
//   // in the owner window: WM_MEASUREITEM -> file.MeasureItem(item),
//   //                      WM_DRAWITEM    -> file.DrawItem(*item)
//
// The menu is destroyed with the object unless it was handed to a menu bar with Release().

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "widgets/win/handle.h"
#include "widgets/win/image_strip.h"

class CMenuCH {
  public:
    CMenuCH() = default;
    ~CMenuCH();
    CMenuCH(const CMenuCH&) = delete;
    CMenuCH& operator=(const CMenuCH&) = delete;

    bool CreatePopup();
    bool LoadImages(HINSTANCE instance, int bitmapId, int imageWidth, int imageHeight);
    // `image` is an index into the strip, or -1 for none.
    bool AppendItem(UINT command, const std::u16string& text, int image = -1);
    bool AppendSeparator();

    HMENU Handle() const { return m_menu; }
    // Gives up ownership (a menu bar that holds the popup destroys it).
    HMENU Release();

    // The owner's WM_MEASUREITEM and WM_DRAWITEM; false when the item is not one of ours.
    bool MeasureItem(MEASUREITEMSTRUCT* item) const;
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

  private:
    struct Item {
        std::u16string text;  // "label\taccelerator"
        int image = -1;
        bool separator = false;
    };
    const Item* Find(ULONG_PTR data) const;
    HFONT MenuFont() const;

    HMENU m_menu = nullptr;
    win::ImageList m_images;
    int m_imageWidth = 16;
    int m_imageHeight = 16;
    std::vector<std::unique_ptr<Item>> m_items;
    mutable win::Font m_font;
};
