#pragma once
// A dialog from a template resource, bound to a C++ object.
//
//   class AboutDialog : public win::Dialog {
//   public:
//       AboutDialog() : Dialog(IDD_ABOUT) {}
//   protected:
//       bool OnInit() override { SetText(IDC_NAME, u"Tessark"); return true; }
//   };
//   INT_PTR result = AboutDialog().RunModal(owner);
//
// The dialog procedure binds `this` at WM_INITDIALOG (passed through DialogBoxParamW) and
// dispatches to the virtual handlers below; messages that arrive before WM_INITDIALOG get the
// system's default handling. Every handler has a default, so a class overrides only what it
// needs. No exception ever leaves the dialog procedure: should one
// reach it (the Windows programs are built without exceptions), the dialog ends with -1.

#include <windows.h>

#include <string>

namespace win {

class Dialog {
  public:
    // `instance` is the module holding the template; nullptr means the program itself.
    explicit Dialog(int templateId, HINSTANCE instance = nullptr);
    virtual ~Dialog();

    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog modally and returns the value given to End(), or -1 when the dialog
    // could not be created.
    INT_PTR RunModal(HWND owner);

    HWND hwnd() const { return hwnd_; }
    int TemplateId() const { return templateId_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    // Thin helpers over the dialog's controls.
    std::u16string Text(int id) const;
    void SetText(int id, const std::u16string& text) const;
    void SetText(int id, const wchar_t* text) const;
    void Enable(int id, bool enabled) const;

  protected:
    // Ends the dialog with `result`.
    void End(INT_PTR result);

    // WM_INITDIALOG. Return true to let the system focus the first control, false when the
    // handler has set the focus itself.
    virtual bool OnInit() { return true; }
    // WM_COMMAND. Return true when handled. The default ends the dialog with IDOK or IDCANCEL
    // when that button is clicked (Escape and the close box arrive as IDCANCEL).
    virtual bool OnCommand(WORD code, WORD id, HWND control);
    // WM_NOTIFY. Return true when handled; `result` is what the control receives.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result) { return false; }
    virtual void OnTimer(UINT_PTR timerId) {}
    // WM_PAINT, between BeginPaint and EndPaint, which the base class calls.
    virtual void OnPaint(HDC dc, const PAINTSTRUCT& paint) {}
    // WM_CTLCOLOR... for a child control (`message` tells which kind). Return the brush to
    // paint its background with, or nullptr for the default colours.
    virtual HBRUSH OnCtlColor(UINT message, HDC dc, HWND control) { return nullptr; }
    // WM_CLOSE. Return true when handled; by default the close box counts as Cancel.
    virtual bool OnClose() { return false; }
    // WM_DESTROY: the controls still exist.
    virtual void OnDestroy() {}
    // Sees every message first. Return true when handled; `result` is then what the dialog
    // procedure returns (for messages that need a result value, through DWLP_MSGRESULT).
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
        return false;
    }

  private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
};

}  // namespace win
