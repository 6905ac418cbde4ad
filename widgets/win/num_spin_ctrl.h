#pragma once
// CNumSpinCtrl: spin buttons that step a number in their buddy edit box, with a range and a
// number format (the rules are widgets/num_spin_value.h).
//
//   CNumSpinCtrl spin;
//   spin.Create(parent, edit, 0, 0, 35, 20, 0);   // edit: the buddy
//   spin.SetRange(0, 100);
//   // in the parent's WM_NOTIFY:  if (CNumSpinCtrl::Reflect(header, &result)) return result;
//
// The up-down control tells its parent about a click, so the parent hands the notification
// back through Reflect(); the control then rewrites the buddy's text itself and keeps its own
// position in step with the value.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "widgets/num_spin_value.h"

class CNumSpinCtrl {
  public:
    CNumSpinCtrl() = default;
    ~CNumSpinCtrl();
    CNumSpinCtrl(const CNumSpinCtrl&) = delete;
    CNumSpinCtrl& operator=(const CNumSpinCtrl&) = delete;

    // Creates the up-down control as a child of `parent` with `buddy` attached. False when
    // the window cannot be created.
    bool Create(HWND parent, HWND buddy, int x, int y, int width, int height, int id);
    HWND hwnd() const { return m_hwnd; }

    void SetRange(double minimum, double maximum);
    // An explicit printf format for one double; empty for none.
    void SetFormat(const std::string& format);
    const widgets::NumSpinSettings& Settings() const { return m_settings; }

    // The number in the buddy, and writing one into it.
    double Value() const;
    void SetValue(double value);

    // Handles UDN_DELTAPOS for a CNumSpinCtrl window; false for any other notification.
    static bool Reflect(const NMHDR& header, LRESULT* result);

  private:
    static CNumSpinCtrl* FromHandle(HWND window);
    void Spin(int count);
    void UpdatePosition();
    std::u16string BuddyText() const;

    HWND m_hwnd = nullptr;
    HWND m_buddy = nullptr;
    widgets::NumSpinSettings m_settings;
};
