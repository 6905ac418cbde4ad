#include "widgets/win/window.h"

#include <commctrl.h>

namespace win {

namespace {
// Identifies our subclass among others a control may have.
constexpr UINT_PTR kSubclassId = 0x7E55;
}  // namespace

Window::~Window() {
    if (!hwnd_) return;
    if (attached_) {
        Detach();
    } else {
        HWND hwnd = hwnd_;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
}

bool Window::Register(const wchar_t* className, UINT style, HBRUSH background, HCURSOR cursor,
                      HICON icon) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, className, &existing)) return true;

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = ClassProcedure;
    wc.hInstance = instance;
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

HWND Window::Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                    int x, int y, int width, int height, HWND parent, UINT_PTR id) {
    if (hwnd_) return nullptr;
    attached_ = false;
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), this);
}

HWND Window::CreateChild(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                         const RECT& rect, HWND parent, int id) {
    return Create(className, title, style, exStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent, static_cast<UINT_PTR>(id));
}

bool Window::Attach(HWND window) {
    if (hwnd_ || !window) return false;
    if (!SetWindowSubclass(window, SubclassProcedure, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = window;
    attached_ = true;
    return true;
}

bool Window::AttachCreated(HWND window) {
    if (Attach(window)) return true;
    if (window) DestroyWindow(window);
    return false;
}

void Window::Detach() {
    if (!hwnd_ || !attached_) return;
    RemoveWindowSubclass(hwnd_, SubclassProcedure, kSubclassId);
    hwnd_ = nullptr;
    attached_ = false;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (attached_) return DefSubclassProc(hwnd_, message, wParam, lParam);
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::Guarded(UINT message, WPARAM wParam, LPARAM lParam) {
#if defined(__cpp_exceptions)
    try {
        return OnMessage(message, wParam, lParam);
    } catch (...) {
        return Default(message, wParam, lParam);
    }
#else
    return OnMessage(message, wParam, lParam);
#endif
}

LRESULT CALLBACK Window::ClassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(create->lpCreateParams);
        if (self) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->hwnd_ = hwnd;
        }
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = self->Guarded(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

LRESULT CALLBACK Window::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Window*>(data);
    LRESULT result = self->Guarded(message, wParam, lParam);
    if (message == WM_NCDESTROY && self->hwnd_ == hwnd) self->Detach();
    return result;
}

}  // namespace win
