#include "uninstaller/win/progress_page.h"

#include <commctrl.h>

#include "uninstaller/page_texts.h"
#include "uninstaller/win/product_registry.h"
#include "uninstaller/win/resource.h"
#include "widgets/win/wide.h"
#include "translations/active_texts.h"

namespace uninstaller {

using translations::MessageId;

namespace {

// From the removal thread to the page. Sent, not posted: a line's text lives on the
// thread's stack only until the page has added it.
constexpr UINT WM_REMOVAL_STARTED = WM_APP + 1;
constexpr UINT WM_REMOVAL_LINE = WM_APP + 2;  // lParam: const char16_t*
constexpr UINT WM_REMOVAL_FILE_DONE = WM_APP + 3;
constexpr UINT WM_REMOVAL_FINISHED = WM_APP + 4;

class PageReport : public RemovalReport {
  public:
    explicit PageReport(HWND page) : page_(page) {}

    void AddLine(const std::u16string& line) override {
        SendMessageW(page_, WM_REMOVAL_LINE, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    void FileDone() override { SendMessageW(page_, WM_REMOVAL_FILE_DONE, 0, 0); }
    bool DeleteProductKey() override { return DeleteProductKeyFromRegistry(); }

  private:
    HWND page_;
};

}  // namespace

ProgressPage::ProgressPage(UninstallSession& session) : UninstallPage(IDD_PROGRESS, session, 16) {}

void ProgressPage::OnOpen() {
    // The list is read afresh: after a first removal it is gone and nothing is listed.
    plan_ = MakeRemovalPlan(session_.product, session_.ownFolder);
    HWND progress = Item(IDC_PROGRESS);
    SendMessageW(progress, PBM_SETSTEP, 1, 0);
    SendMessageW(progress, PBM_SETRANGE32, 0, static_cast<LPARAM>(plan_.files.size()));

    SetRunning(true);
    if (!removal_.Start(RemovalThread, this)) SetRunning(false);
}

DWORD WINAPI ProgressPage::RemovalThread(void* parameter) {
    auto* page = static_cast<ProgressPage*>(parameter);
    const HWND window = page->hwnd();
    SendMessageW(window, WM_REMOVAL_STARTED, 0, 0);
    PageReport report(window);
    RunRemoval(page->plan_, report);
    SendMessageW(window, WM_REMOVAL_FINISHED, 0, 0);
    return 0;
}

// While the removal runs the page cannot be left: Cancel would end the program half-way and
// Prev would let a second removal start beside the first.
void ProgressPage::SetRunning(bool running) {
    running_ = running;
    Enable(IDOK, !running);
    Enable(IDC_PREV, !running);
    Enable(IDCANCEL, !running);
}

bool ProgressPage::OnCommand(WORD code, WORD id, HWND control) {
    if (id != IDOK && id != IDCANCEL && id != IDC_PREV) return false;
    if (!running_) End(id);
    return true;
}

bool ProgressPage::OnClose() {
    return running_;
}

bool ProgressPage::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_REMOVAL_STARTED:
            SendDlgItemMessageW(hwnd(), IDC_LOG, LB_RESETCONTENT, 0, 0);
            break;
        case WM_REMOVAL_LINE:
            AddLine(reinterpret_cast<const wchar_t*>(lParam));
            break;
        case WM_REMOVAL_FILE_DONE:
            SendDlgItemMessageW(hwnd(), IDC_PROGRESS, PBM_STEPIT, 0, 0);
            break;
        case WM_REMOVAL_FINISHED:
            // With nothing listed the bar has no steps; a finished removal still shows full.
            if (plan_.files.empty()) {
                SendDlgItemMessageW(hwnd(), IDC_PROGRESS, PBM_SETRANGE32, 0, 1);
                SendDlgItemMessageW(hwnd(), IDC_PROGRESS, PBM_SETPOS, 1, 0);
            }
            SetText(IDC_STATUS, translations::Text(MessageId::ClickNextText, kClickNextText));
            SetRunning(false);
            SetFocus(Item(IDOK));
            break;
        default:
            return false;
    }
    result = 0;
    return true;
}

// Appends a line, keeps it in view and lets the list scroll sideways to long paths.
void ProgressPage::AddLine(const wchar_t* line) {
    HWND log = Item(IDC_LOG);
    const LRESULT index = SendMessageW(log, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    if (index < 0) return;
    SendMessageW(log, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    if (HDC dc = GetDC(log)) {
        HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(log, WM_GETFONT, 0, 0)));
        SIZE size = {};
        if (GetTextExtentPoint32W(dc, line, lstrlenW(line), &size)) {
            const int width = size.cx + GetSystemMetrics(SM_CXVSCROLL);
            if (width > SendMessageW(log, LB_GETHORIZONTALEXTENT, 0, 0)) {
                SendMessageW(log, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
            }
        }
        SelectObject(dc, previous);
        ReleaseDC(log, dc);
    }
}

}  // namespace uninstaller
