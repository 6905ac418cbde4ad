#pragma once
// The face and size boxes of the rich text toolbar. Both are drop-down combo boxes whose edit
// field also takes a typed value; they notify their parent as any combo box does.

#include <windows.h>

#include <string>

class CFontComboBox {
  public:
    static constexpr int kId = 36;
    // Creates the box and lists the installed font families; false on failure.
    bool Create(HWND parent, int x, int y, int width);
    HWND hwnd() const { return m_hwnd; }
    // Shows `face`; an empty face (a selection of several) shows nothing.
    void ShowFace(const std::u16string& face);
    // The face chosen in the list, or with `typed` the text in the edit field.
    std::u16string Face(bool typed) const;

  private:
    HWND m_hwnd = nullptr;
};

class CSizeComboBox {
  public:
    static constexpr int kId = 37;
    bool Create(HWND parent, int x, int y, int width);
    HWND hwnd() const { return m_hwnd; }
    // Shows a size in points; 0 shows nothing.
    void ShowPoints(int points);
    // The size chosen in the list, or with `typed` the one in the edit field, in points; 0
    // when that is no usable number.
    int Points(bool typed) const;

  private:
    HWND m_hwnd = nullptr;
};
