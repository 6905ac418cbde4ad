#include <windows.h>
#include <commctrl.h>

#include "uninstaller/win/resource.h"

namespace {

INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                EndDialog(page, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR RunPage(int templateId) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                           PageProcedure, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int page = IDD_WELCOME;
    for (;;) {
        const INT_PTR result = RunPage(page);
        if (result == IDCANCEL || result < 0) break;
        if (page == IDD_WELCOME) {
            page = IDD_PROGRESS;
        } else if (page == IDD_PROGRESS) {
            page = result == IDOK ? IDD_COMPLETE : IDD_WELCOME;
        } else {
            if (result == IDOK) break;
            page = IDD_WELCOME;
        }
    }
    return 0;
}
