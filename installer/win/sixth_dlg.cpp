#include "installer/win/sixth_dlg.h"

#include <commctrl.h>

#include "installer/installation.h"
#include "installer/page_texts.h"
#include "installer/win/resource_ids.h"
#include "installer/win/uninstaller_setup.h"
#include "widgets/win/wide.h"
#include "translations/active_texts.h"

namespace installer {

using translations::MessageId;

namespace {

// Posted to the page once it is up, to start the run.
constexpr UINT kStartInstallation = WM_APP + 1;
// Sent by the run's thread as its last act; wParam is the extraction's result code.
constexpr UINT kInstallationFinished = WM_APP + 2;

// Reports the run to the page's controls. Called on the run's thread: every change is a
// message, which the system delivers on the page's thread.
class PageProgress : public InstallationObserver {
  public:
    PageProgress(HWND progressBar, HWND log) : progressBar_(progressBar), log_(log) {}

    void FileInstalled() override {
        MSG waiting;
        while (PeekMessageW(&waiting, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&waiting);
        SendMessageW(progressBar_, PBM_STEPIT, 0, 0);
    }

    void LogLine(const std::u16string& line) override {
        const LRESULT index =
            SendMessageW(log_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(line)));
        if (index >= 0) SendMessageW(log_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    }

  private:
    HWND progressBar_;
    HWND log_;
};

// The log keeps each line exactly as reported, line break included; it is drawn without the
// line break, which would show as boxes.
void DrawLogLine(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    if (length == LB_ERR) return;
    std::u16string line(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(&line[0]));
    line.resize(static_cast<size_t>(length));
    while (!line.empty() && (line.back() == u'\r' || line.back() == u'\n')) line.pop_back();

    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left += 2;
    DrawTextW(dc, win::W(line), static_cast<int>(line.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, previous);
}

}  // namespace

CSixthDlg::CSixthDlg(InstallSession& session) : CWizardPage(IDD_PROGRESS, 6, session) {}

void CSixthDlg::OnInitPage() {
    Session().postExecutePaths.clear();
    Session().postExecuteParameters.clear();
    // The owner-drawn list's rows are as tall as its font's lines.
    SendMessageW(Item(IDC_LIST), LB_SETITEMHEIGHT, 0, TextHeight(Item(IDC_LIST), L"Ag", 1000));
    HWND progressBar = Item(IDC_PROGRESS_BAR);
    SendMessageW(progressBar, PBM_SETSTEP, 1, 0);
    const int32_t count = Session().packageReader.GetFileCount();
    SendMessageW(progressBar, PBM_SETRANGE, 0, MAKELPARAM(0, static_cast<WORD>(count)));
    Enable(IDC_PREV, false);
    Enable(IDOK, false);
    Enable(IDCANCEL, false);
    PostMessageW(hwnd(), kStartInstallation, 0, 0);
}

bool CSixthDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_DRAWITEM && wParam == IDC_LIST) {
        DrawLogLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (message == kStartInstallation) {
        // No thread, no installation: say so.
        if (!run_.Start(InstallationThread, this)) Finished(SFX_ERR_READ);
        result = TRUE;
        return true;
    }
    if (message == kInstallationFinished) {
        Finished(static_cast<int32_t>(wParam));
        result = TRUE;
        return true;
    }
    return false;
}

DWORD WINAPI CSixthDlg::InstallationThread(void* page) {
    static_cast<CSixthDlg*>(page)->Install();
    return 0;
}

void CSixthDlg::Install() {
    HWND log = Item(IDC_LIST);
    SendMessageW(log, LB_RESETCONTENT, 0, 0);
    PageProgress progress(Item(IDC_PROGRESS_BAR), log);
    WindowsUninstallerSetup uninstaller(registry_);
    const int32_t result = RunInstallation(Session(), progress, uninstaller);
    SendMessageW(hwnd(), kInstallationFinished, static_cast<WPARAM>(result), 0);
}

void CSixthDlg::Finished(int32_t result) {
    if (result == SFX_OK) {
        SetText(IDC_EXPLANATION, translations::Text(MessageId::ClickNextText, kClickNextText));
        Enable(IDOK, true);
    } else {
        ShowMessage(InstallFailureMessage(result), MB_ICONERROR);
    }
    Enable(IDCANCEL, true);
}

}  // namespace installer
