#pragma once
// CGroupView: the section navigator, the left pane of the main window. A column of eight
// flat buttons, one per section, with the current section marked, and below them the update
// button, blank until the update check finds a newer builder.

#include <windows.h>

#include <array>
#include <string>

#include "builder/ui/frame_layout.h"
#include "widgets/win/button_st.h"
#include "widgets/win/handle.h"
#include "widgets/win/window.h"

class CGroupView : public win::Window {
  public:
    // Button k has the control identifier kFirstButtonId + k; the update button is the ninth.
    static constexpr int kFirstButtonId = 1100;
    static constexpr int kUpdateButtonId = kFirstButtonId + ui::kUpdateButtonIndex;

    // Told of the clicks.
    class Owner {
      public:
        virtual ~Owner() = default;
        virtual void OnSectionChosen(int section) = 0;
        virtual void OnUpdateButton() = 0;
    };

    bool Create(HWND parent, int id, const RECT& rect, Owner* owner);

    // Marks section `section` current and takes the mark from the others.
    void MarkSection(int section);
    int MarkedSection() const;
    // The update button shows "Update to 1.30" in red with the update icon.
    void ShowUpdate(const std::u16string& text);
    HWND Button(int index) const { return m_buttons[index].hwnd(); }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool CreateButtons();
    void Layout();
    void Paint(HDC dc);

    Owner* m_owner = nullptr;
    std::array<CButtonST, ui::kNavigatorButtonCount> m_buttons;
    win::Font m_font;
    win::Font m_updateFont;
};
