#include "installer/win/setup_language.h"
#include "translations/win/switches_box.h"
#include "installer/win/setup_modes.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "installer/setup_command_line.h"
#include "installer/unattended_install.h"
#include "installer/win/uninstaller_setup.h"
#include "widgets/win/background_work.h"
#include "widgets/win/wide.h"
#include "translations/active_texts.h"

namespace installer {

using translations::MessageId;
using translations::Text;

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

// Posted by the check's thread to the window: the package is large enough to show the window.
constexpr UINT kShowCheck = WM_APP + 1;
// The thread's last message, once the result is stored.
constexpr UINT kCheckEnded = WM_APP + 2;

// The check window's own messages; its GWLP_USERDATA turns 1 when the check has ended.
LRESULT CALLBACK CheckWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kShowCheck:
            ShowWindow(window, SW_SHOWNORMAL);
            UpdateWindow(window);
            return 0;
        case kCheckEnded:
            SetWindowLongPtrW(window, GWLP_USERDATA, 1);
            return 0;
        case WM_CLOSE:
            // Not closed before the end of the check (Alt+F4, or a close asked from outside):
            // the window has to stay to receive it.
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A small window with a line of text and a progress bar, shown while a large package is checked.
// The check runs on a thread of its own, which reaches the window only by posted messages (the
// bar's position, the showing, the end); this thread runs a message loop until the end arrives.
// The window is made, hidden, before the check starts, so that every message has somewhere to
// go; for a small package it is never shown.
class CheckWindow : public PackageCheckProgress {
  public:
    explicit CheckWindow(CSelfExtractor& reader) : reader_(reader) {}
    ~CheckWindow() override {
        if (window_) DestroyWindow(window_);
    }

    PackageCheck Run() {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = CheckWindowProcedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_WAIT);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kCheckWindowClass;
        RegisterClassW(&windowClass);

        const int width = 360, height = 110;
        const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kCheckWindowClass,
                                  win::W(Text(MessageId::SetupCaption, kSetupCaption)),
                                  WS_POPUP | WS_CAPTION, x, y, width, height, nullptr, nullptr,
                                  instance, nullptr);
        const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
        HWND label = CreateWindowExW(
            0, L"STATIC", win::W(Text(MessageId::CheckingSetupText, kCheckingText)),
            WS_CHILD | WS_VISIBLE, 16, 14, width - 40, 18, window_, nullptr, instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        bar_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 16, 40,
                               width - 40, 18, window_, nullptr, instance, nullptr);
        SendMessageW(bar_, PBM_SETRANGE32, 0, kCheckSteps);
        // Without a window or a thread the check still runs, unseen, on this thread.
        if (!window_ || !work_.Start(CheckThread, this)) {
            CheckThread(this);
            return result_;
        }
        // The window takes no typing: the messages need no translating into characters.
        MSG message;
        while (!GetWindowLongPtrW(window_, GWLP_USERDATA) &&
               GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        return result_;
    }

  private:
    static DWORD WINAPI CheckThread(void* window) {
        auto* self = static_cast<CheckWindow*>(window);
        self->result_ = CheckPackage(self->reader_, self);
        PostMessageW(self->window_, kCheckEnded, 0, 0);
        return 0;
    }

    // On the check's thread, as is Checked.
    void Begin(int64_t totalBytes) override {
        total_ = totalBytes;
        if (totalBytes >= kVisibleCheckBytes) PostMessageW(window_, kShowCheck, 0, 0);
    }

    void Checked(int64_t doneBytes) override {
        if (total_ < kVisibleCheckBytes) return;
        // In double precision, as the check's byte counts are: no 64-bit division routine.
        const int step = static_cast<int>(static_cast<double>(doneBytes) * kCheckSteps / total_);
        if (step == step_) return;
        step_ = step;
        PostMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(step), 0);
    }

    CSelfExtractor& reader_;
    HWND window_ = nullptr;
    HWND bar_ = nullptr;
    int64_t total_ = 0;
    int step_ = -1;
    PackageCheck result_ = PackageCheck::NoPackage;
    // Last, so destroyed first: the thread has ended before the members it uses go.
    win::BackgroundWork work_;
};

}  // namespace

bool RunWithoutWizard(const wchar_t* commandLine, int* exitStatus) {
    const SetupCommandLine line = ParseSetupCommandLine(win::U16(commandLine));
    switch (line.mode) {
        case SetupCommandLine::Mode::Wizard:
            return false;
        case SetupCommandLine::Mode::Help:
            UseSetupLanguage();
            translations::ShowSwitchesBox(Text(MessageId::SetupSwitchesText, nullptr),
                                          kSetupSwitchesText,
                                          Text(MessageId::SetupCaption, kSetupCaption));
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
    return CheckWindow(reader).Run();
}

}  // namespace installer
