#include "installer/win/setup_modes.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "installer/setup_command_line.h"
#include "installer/unattended_install.h"
#include "installer/win/uninstaller_setup.h"
#include "widgets/win/wide.h"

namespace installer {

namespace {

constexpr wchar_t kCheckWindowClass[] = L"TessarkSetupCheck";
constexpr char16_t kCheckingText[] = u"Checking the setup file...";
constexpr int kCheckSteps = 1000;

int InstallWithoutWindows(const SetupOptions& options) {
    // No system error box either, for a drive without a disk and the like.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    auto session = std::make_unique<InstallSession>();
    CNtRegistry registry(CNtRegistry::Errors::Silent);
    WindowsUninstallerSetup uninstaller(registry);
    return RunUnattendedInstall(options, *session, uninstaller);
}

// A small window with a line of text and a progress bar, up while a large package is checked.
// The check runs on this thread, so the window is kept painted by handling what is waiting
// after every step.
class CheckWindow : public PackageCheckProgress {
  public:
    ~CheckWindow() override {
        if (window_) DestroyWindow(window_);
    }

    void Begin(int64_t totalBytes) override {
        total_ = totalBytes;
        if (totalBytes < kVisibleCheckBytes) return;
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_WAIT);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kCheckWindowClass;
        RegisterClassW(&windowClass);

        const int width = 360, height = 110;
        const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kCheckWindowClass, win::W(kSetupCaption),
                                  WS_POPUP | WS_CAPTION, x, y, width, height, nullptr, nullptr,
                                  instance, nullptr);
        if (!window_) return;
        const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
        HWND label = CreateWindowExW(0, L"STATIC", win::W(kCheckingText), WS_CHILD | WS_VISIBLE, 16,
                                     14, width - 40, 18, window_, nullptr, instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        bar_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 16, 40,
                               width - 40, 18, window_, nullptr, instance, nullptr);
        SendMessageW(bar_, PBM_SETRANGE32, 0, kCheckSteps);
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
        Pump();
    }

    void Checked(int64_t doneBytes) override {
        if (!bar_ || total_ <= 0) return;
        // In double precision, as the check's byte counts are: no 64-bit division routine.
        const int step = static_cast<int>(static_cast<double>(doneBytes) * kCheckSteps / total_);
        if (step == step_) return;
        step_ = step;
        SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(step), 0);
        Pump();
    }

  private:
    static void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    HWND window_ = nullptr;
    HWND bar_ = nullptr;
    int64_t total_ = 0;
    int step_ = -1;
};

}  // namespace

bool RunWithoutWizard(const wchar_t* commandLine, int* exitStatus) {
    const SetupCommandLine line = ParseSetupCommandLine(win::U16(commandLine));
    switch (line.mode) {
        case SetupCommandLine::Mode::Wizard:
            return false;
        case SetupCommandLine::Mode::Help:
            MessageBoxW(nullptr, win::W(kSetupSwitchesText), win::W(kSetupCaption),
                        MB_OK | MB_ICONINFORMATION);
            *exitStatus = kInstalled;
            return true;
        case SetupCommandLine::Mode::UsageError:
            // No window may appear with /S; the status says it all.
            *exitStatus = kWrongCommandLine;
            return true;
        case SetupCommandLine::Mode::Unattended:
            *exitStatus = InstallWithoutWindows(line.options);
            return true;
    }
    return false;
}

PackageCheck CheckPackageShowingProgress(CSelfExtractor& reader) {
    CheckWindow window;
    return CheckPackage(reader, &window);
}

}  // namespace installer
