#pragma once
// CRulerRichEdit: the edit area of the rich text editor, a "RichEdit20W" window, with its RTF
// streaming and the character and paragraph formats the toolbar and the ruler change.

#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

class CRulerRichEdit {
  public:
    static constexpr int kEditId = 12;

    // Creates the window (Riched20.dll must be loaded); false on failure.
    bool Create(HWND parent, const RECT& rect, bool autoHorizontalScroll);
    HWND hwnd() const { return m_hwnd; }

    // The whole content as RTF; every byte the control streams out, read as UTF-8.
    std::u16string GetRtf() const;
    // Replaces the content with `rtf` streamed in as RTF; an empty text empties the editor.
    void SetRtf(const std::u16string& rtf);

    // Puts back the default format: "Times New Roman" 10 points, plain, 32 tab stops.
    void ApplyDefaultFormat();

    CHARFORMAT2W SelectionCharFormat() const;
    void SetSelectionCharFormat(CHARFORMAT2W format);
    PARAFORMAT2 SelectionParaFormat() const;
    void SetSelectionParaFormat(PARAFORMAT2 format);

    // Tab stops of the selected paragraph in twips; the default stops when it has none.
    std::vector<int> SelectionTabStops() const;
    void SetSelectionTabStops(const std::vector<int>& twips);

    // Sets or clears one effect (CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE) on the selection: set
    // unless the whole selection has it already.
    void ToggleEffect(DWORD mask, DWORD effect);

  private:
    HWND m_hwnd = nullptr;
};
