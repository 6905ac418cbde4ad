#pragma once
// The band across the top of the builder's section pages: the section's icon, its title and
// a description wrapped over as many lines as it needs.

#include <windows.h>

#include <string>

#include "widgets/win/handle.h"
#include "widgets/win/window.h"

class CSectionHeader : public win::Window {
  public:
    CSectionHeader() = default;

    // False when the window class cannot be registered or the window created.
    bool Create(HWND parent, int id, const RECT& rect);

    // Shows a section; `icon` (32 x 32, not owned) may be nullptr.
    void SetSection(HICON icon, const std::u16string& title, const std::u16string& description);
    const std::u16string& Title() const { return m_title; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc, const RECT& client);

    HICON m_icon = nullptr;
    std::u16string m_title;
    std::u16string m_description;
    win::Font m_titleFont;
    win::Font m_textFont;
};
