#pragma once
// CRRECToolbar: the formatting toolbar of the rich text editor: the face and size boxes, the
// text colour picker and the buttons 20 to 35 (images from bitmap resource 10). Commands of
// its buttons and boxes go to the toolbar's parent, the editor.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "widgets/win/colour_picker.h"
#include "widgets/win/font_combo_box.h"
#include "widgets/win/image_strip.h"
#include "widgets/win/window.h"

class CRRECToolbar : public win::Window {
  public:
    enum Command : int {
        kFont = 20,
        kColour = 21,
        kBold = 22,
        kItalic = 23,
        kUnderline = 24,
        kAlignLeft = 25,
        kAlignCentre = 26,
        kAlignRight = 27,
        kIndent = 28,
        kOutdent = 29,
        kBullets = 30,
        kCut = 31,
        kCopy = 32,
        kPaste = 33,
        kUndo = 34,
        kUnused = 35,  // hidden
    };
    static constexpr int kColourPickerId = 38;

    // Destroys the toolbar while its images are still there.
    ~CRRECToolbar() override;

    // Creates the toolbar at `rect` with its boxes and picker; false on failure.
    bool Create(HWND parent, int id, const RECT& rect);

    void SetChecked(int command, bool checked);
    bool IsChecked(int command) const;
    CFontComboBox& FaceBox() { return m_face; }
    const CFontComboBox& FaceBox() const { return m_face; }
    CSizeComboBox& SizeBox() { return m_size; }
    const CSizeComboBox& SizeBox() const { return m_size; }
    CColourPicker& ColourPicker() { return m_colour; }

    // The tooltip of a button, for the parent's TTN_GETDISPINFO; nullptr for none.
    static const wchar_t* Tooltip(int command);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    RECT ItemRect(int index) const;

    win::ImageList m_images;
    CFontComboBox m_face;
    CSizeComboBox m_size;
    CColourPicker m_colour;
};
