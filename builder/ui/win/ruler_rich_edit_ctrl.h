#pragma once
// CRulerRichEditCtrl: the rich text editor of the License, Readme and What's New pages: a
// formatting toolbar (top 28 pixels), a ruler with the tab stops (the next 26) and the edit
// area below. The builder moves its text as RTF.
//
//   CRulerRichEditCtrl editor;
//   editor.Create(page, 200, rect);
//   editor.SetRTF(model.licenseRtf);
//   if (!editor.Save(u"C:\\Temp\\License.rtf")) report(editor.LastError());
//
// Changes of the text reach the parent as the edit area's EN_CHANGE (identifier 12).

#include <windows.h>

#include <string>

#include "builder/ui/win/rrec_ruler.h"
#include "builder/ui/win/rrec_toolbar.h"
#include "builder/ui/win/ruler_rich_edit.h"
#include "widgets/win/handle.h"
#include "widgets/win/window.h"

class CRulerRichEditCtrl : public win::Window {
  public:
    static constexpr int kToolbarHeight = 28;
    static constexpr int kRulerHeight = 26;

    // Loads the rich edit library, which the control's edit area needs.
    CRulerRichEditCtrl();
    // Destroys the window while the rich edit library it needs is still loaded.
    ~CRulerRichEditCtrl() override;

    // False when the library is missing or a part cannot be created.
    bool Create(HWND parent, int id, const RECT& rect, bool autoHorizontalScroll = false);

    std::u16string GetRTF() const { return m_edit.GetRtf(); }
    void SetRTF(const std::u16string& rtf);
    // Writes the RTF to `path` as 8-bit text in the system's ANSI code page, without a
    // byte-order mark, replacing the file only once all of it is written. False, with the
    // system's reason in LastError(), when the file cannot be written; nothing is left behind.
    bool Save(const std::u16string& path);
    const std::u16string& LastError() const { return m_lastError; }

    HWND EditWindow() const { return m_edit.hwnd(); }
    const CRRECToolbar& Toolbar() const { return m_toolbar; }
    const CRRECRuler& Ruler() const { return m_ruler; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout(int width, int height);
    void UpdateToolbar();
    void OnCommand(WORD code, WORD id, HWND control);
    void OpenFontDialog();
    void OpenColourDialog();
    void ApplyColour(COLORREF colour);
    void ApplyFace(const std::u16string& face);
    void ApplyPoints(int points);
    void SetAlignment(WORD alignment);
    void MoveIndent(bool inwards);
    void ToggleBullets();

    win::Module m_library;
    CRRECToolbar m_toolbar;
    CRRECRuler m_ruler;
    CRulerRichEdit m_edit;
    std::u16string m_lastError;
};
