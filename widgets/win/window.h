#pragma once
// A window bound to a C++ object: either a window of our own class, created by Create(), or
// an existing control (for example one from a dialog template) taken over by Attach().
//
//   class Swatch : public win::Window {
//   protected:
//       LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
//           if (message == WM_PAINT) { ...; return 0; }
//           return Default(message, wParam, lParam);
//       }
//   };
//   win::Window::Register(L"TessarkSwatch");
//   swatch.CreateChild(L"TessarkSwatch", L"", WS_CHILD | WS_VISIBLE, 0, {10, 10, 60, 30}, parent,
//                      1001);
//
// Created windows bind `this` at WM_NCCREATE (from CREATESTRUCT::lpCreateParams) into
// GWLP_USERDATA; messages before WM_NCCREATE (WM_GETMINMAXINFO) get DefWindowProcW. Attached
// controls are subclassed with SetWindowSubclass. After WM_NCDESTROY the object is unbound
// and hwnd() is nullptr. No exception ever leaves the window procedure.

#include <windows.h>

namespace win {

class Window {
  public:
    Window() = default;
    // Destroys a window it created; gives an attached control back its own procedure.
    virtual ~Window();

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers a window class whose windows dispatch to Window objects. Registering a name
    // that is already registered succeeds. `cursor` nullptr means the arrow.
    static bool Register(const wchar_t* className, UINT style = CS_HREDRAW | CS_VREDRAW,
                         HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                         HCURSOR cursor = nullptr, HICON icon = nullptr);

    // Creates a window of a class registered through Register(). For a child window `id` is
    // its control identifier; for a top-level window it is the HMENU (or 0).
    HWND Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x,
                int y, int width, int height, HWND parent, UINT_PTR id);
    // The same for a child window at `rect`, in the parent's client coordinates.
    HWND CreateChild(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                     const RECT& rect, HWND parent, int id);

    // Takes over an existing window; false when it is already bound or subclassing fails.
    bool Attach(HWND window);
    // Takes over a control just made for this object; when that fails (or `window` is
    // nullptr) the control is destroyed and the result is false.
    bool AttachCreated(HWND window);
    // Gives an attached window back its own procedure.
    void Detach();

    HWND hwnd() const { return hwnd_; }

  protected:
    // Every message. The default passes it on to Default().
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The handling the window would get without this object: DefWindowProcW for our own
    // class, the control's original procedure for an attached one.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK ClassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data);
    LRESULT Guarded(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool attached_ = false;
};

}  // namespace win
