#include "widgets/win/dialog.h"

#include "widgets/win/wide.h"

namespace win {

Dialog::Dialog(int templateId, HINSTANCE instance)
    : templateId_(templateId), instance_(instance ? instance : GetModuleHandleW(nullptr)) {}

Dialog::~Dialog() = default;

INT_PTR Dialog::RunModal(HWND owner) {
    return DialogBoxParamW(instance_, MAKEINTRESOURCEW(templateId_), owner, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

std::u16string Dialog::Text(int id) const {
    HWND control = Item(id);
    if (!control) return {};
    int length = GetWindowTextLengthW(control);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    int copied = GetWindowTextW(control, W(&text[0]), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void Dialog::SetText(int id, const std::u16string& text) const {
    SetDlgItemTextW(hwnd_, id, W(text));
}

void Dialog::SetText(int id, const wchar_t* text) const {
    SetDlgItemTextW(hwnd_, id, text);
}

void Dialog::Enable(int id, bool enabled) const {
    if (HWND control = Item(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void Dialog::End(INT_PTR result) {
    if (hwnd_) EndDialog(hwnd_, result);
}

bool Dialog::OnCommand(WORD code, WORD id, HWND control) {
    if (code == BN_CLICKED && (id == IDOK || id == IDCANCEL)) {
        End(id);
        return true;
    }
    return false;
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;

    INT_PTR result = FALSE;
#if defined(__cpp_exceptions)
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        self->End(-1);
        result = FALSE;
    }
#else
    result = self->Dispatch(message, wParam, lParam);
#endif
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR hooked = FALSE;
    if (OnMessage(message, wParam, lParam, hooked)) return hooked;

    switch (message) {
        case WM_INITDIALOG:
            return OnInit() ? TRUE : FALSE;
        case WM_COMMAND:
            return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam))
                       ? TRUE
                       : FALSE;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd_, &paint);
            if (dc) {
                OnPaint(dc, paint);
                EndPaint(hwnd_, &paint);
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORDLG:
            // These messages return the brush itself, not through DWLP_MSGRESULT.
            return reinterpret_cast<INT_PTR>(
                OnCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_CLOSE:
            return OnClose() ? TRUE : FALSE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace win
