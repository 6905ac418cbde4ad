// The widget gallery: every widget of the builder on its own page, with sample data, to look
// at and to drive from the Wine tests. Not shipped.

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "builder/ui/win/object_inspector.h"
#include "tools/gallery/win/gallery_ids.h"
#include "tools/gallery/win/gallery_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The banner picker loads pictures through OLE.
    if (FAILED(OleInitialize(nullptr))) {
        MessageBoxW(nullptr, L"OLE could not be initialised.", L"Tessark Widget Gallery",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // Ctrl+1 to Ctrl+7 show the pages, as the Page menu says.
    ACCEL keys[GALLERY_PAGE_COUNT];
    for (int page = 0; page < GALLERY_PAGE_COUNT; ++page) {
        keys[page] = {FCONTROL | FVIRTKEY, static_cast<WORD>('1' + page),
                      static_cast<WORD>(ID_GALLERY_SHOW_PAGE + page)};
    }
    HACCEL accelerators = CreateAcceleratorTableW(keys, GALLERY_PAGE_COUNT);

    int exitCode = 1;
    {
        gallery::GalleryWindow window;
        if (window.Create()) {
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                if (CObjectInspector::PreTranslate(message)) continue;
                if (accelerators && TranslateAcceleratorW(window.hwnd(), accelerators, &message)) {
                    continue;
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = static_cast<int>(message.wParam);
        } else {
            MessageBoxW(nullptr, L"The gallery window could not be created.",
                        L"Tessark Widget Gallery", MB_OK | MB_ICONERROR);
        }
    }
    if (accelerators) DestroyAcceleratorTable(accelerators);
    OleUninitialize();
    return exitCode;
}
