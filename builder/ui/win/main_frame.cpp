#include "builder/ui/win/main_frame.h"

#include <commctrl.h>
#include <shellapi.h>

#include <iterator>
#include <memory>

#include "builder/ui/app_identity.h"
#include "builder/ui/frame_layout.h"
#include "builder/ui/project_paths.h"
#include "builder/ui/update_rules.h"
#include "builder/ui/win/builder_resource_ids.h"
#include "builder/ui/win/builder_settings.h"
#include "builder/ui/win/quillary_app.h"
#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"TessarkMainFrame";

constexpr char16_t kMsxmlMissingMessage[] = u"Please install MSXML4.0. Download is here. ";

const CMyToolBar::Button kToolBarButtons[] = {
    {ID_FILE_NEW, 0, u"New Project"},   {ID_FILE_OPEN, 1, u"Open Project"},
    {ID_FILE_SAVE, 2, u"Save Project"}, {ID_TEST_PROJECT, 3, u"Test Project"},
    {ID_APP_ABOUT, 4, u"About"},        {ID_VISIT_WEBSITE, 5, u"Help"},
};

// The title's changed mark is looked at this long after the last key, click or edit.
constexpr UINT_PTR kChangeCheckTimer = 1;
constexpr UINT kChangeCheckMs = 150;

// Images of the menu strip.
enum MenuImage { kNewImage, kOpenImage, kSaveImage, kExitImage, kHelpImage, kAboutImage };

}  // namespace

bool CMainFrame::Create() {
    HINSTANCE instance = m_app.Instance();
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_BUILDER));
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr, nullptr, icon)) {
        return false;
    }
    m_accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    const POINT corner = {ui::kMainWindowRect.left, ui::kMainWindowRect.top};
    ui::Box box = ui::kMainWindowRect;
    if (GetMonitorInfoW(MonitorFromPoint(corner, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        const RECT& work = monitor.rcWork;
        box = ui::FitMainWindow({work.left, work.top, work.right, work.bottom});
    }
    if (!win::Window::Create(kClassName, win::W(ui::BaseTitle()),
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, box.left, box.top,
                             box.right - box.left, box.bottom - box.top, nullptr, 0)) {
        return false;
    }
    HICON small = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_BUILDER), IMAGE_ICON, 16, 16, LR_SHARED));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    return true;
}

bool CMainFrame::OnCreate() {
    if (!m_toolBar.Create(hwnd(), kToolBarId, m_app.Instance(), IDR_MAINFRAME, {24, 23},
                          kToolBarButtons, static_cast<int>(std::size(kToolBarButtons))) ||
        !CreateStatusBar() || !CreateMenus()) {
        return false;
    }
    SetTestEnabled(false);

    RECT client;
    GetClientRect(hwnd(), &client);
    if (!m_splitter.Create(hwnd(), kSplitterId, client,
                           {ui::kInitialNavigatorWidth, ui::kSplitterBarWidth, ui::kMinPaneWidth}))
        return false;
    const RECT left = {0, 0, ui::kInitialNavigatorWidth, client.bottom};
    const RECT right = {0, 0, 100, 100};
    if (!m_navigator.Create(m_splitter.hwnd(), kNavigatorId, left, this) ||
        !m_view.Create(m_splitter.hwnd(), kViewId, right, &m_app.Project(), this)) {
        DestroyWindow(m_splitter.hwnd());
        return false;
    }
    m_splitter.SetPanes(m_navigator.hwnd(), m_view.hwnd());
    m_view.SetEditListener(this);
    Layout();
    MarkUnchanged();
    PostMessageW(hwnd(), WM_OPEN_COMMAND_LINE_PROJECT, 0, 0);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    m_statusBar = win::CreateControl(hwnd(), kStatusBarId, STATUSCLASSNAMEW, L"",
                                     WS_VISIBLE | SBARS_SIZEGRIP);
    if (!m_statusBar) return false;
    RECT client;
    GetClientRect(hwnd(), &client);
    const auto edges = ui::StatusPaneRightEdges(client.right);
    SendMessageW(m_statusBar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int pane = 1; pane <= 3; ++pane) {
        SendMessageW(m_statusBar, SB_SETTEXTW, pane, reinterpret_cast<LPARAM>(L" "));
    }
    SendMessageW(m_statusBar, SB_SETTEXTW, 4, reinterpret_cast<LPARAM>(win::W(ui::StatusNotice())));
    return true;
}

bool CMainFrame::CreateMenus() {
    HINSTANCE instance = m_app.Instance();
    if (!m_fileMenu.CreatePopup() || !m_helpMenu.CreatePopup()) return false;
    m_fileMenu.LoadImages(instance, IDB_MENU_IMAGES, 16, 16);
    m_helpMenu.LoadImages(instance, IDB_MENU_IMAGES, 16, 16);
    const bool made = m_fileMenu.AppendItem(ID_FILE_NEW, u"&New Project\tCtrl+N", kNewImage) &&
                      m_fileMenu.AppendItem(ID_FILE_OPEN, u"&Open Project\tCtrl+O", kOpenImage) &&
                      m_fileMenu.AppendItem(ID_FILE_SAVE, u"&Save Project\tCtrl+S", kSaveImage) &&
                      m_fileMenu.AppendItem(ID_FILE_SAVE_AS, u"Save &As...") &&
                      m_fileMenu.AppendSeparator() &&
                      m_fileMenu.AppendItem(ID_APP_EXIT, u"E&xit", kExitImage) &&
                      m_helpMenu.AppendItem(ID_HELP_WEBPAGE, u"&Help", kHelpImage) &&
                      m_helpMenu.AppendItem(ID_APP_ABOUT, u"&About ...", kAboutImage);
    if (!made) return false;
    HMENU bar = CreateMenu();
    if (!bar) return false;
    // The bar destroys the popups with itself; the CMenuCH objects keep drawing them.
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(m_fileMenu.Handle()),
                L"&File");
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(m_helpMenu.Handle()),
                L"&Help");
    if (!SetMenu(hwnd(), bar)) {
        DestroyMenu(bar);
        return false;
    }
    m_fileMenu.Release();
    m_helpMenu.Release();
    return true;
}

void CMainFrame::Layout() {
    RECT client;
    GetClientRect(hwnd(), &client);
    m_toolBar.Resize();
    SendMessageW(m_statusBar, WM_SIZE, 0, 0);
    const auto edges = ui::StatusPaneRightEdges(client.right);
    SendMessageW(m_statusBar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    RECT status;
    GetWindowRect(m_statusBar, &status);
    const int top = m_toolBar.Height();
    const int bottom = client.bottom - (status.bottom - status.top);
    if (m_splitter.hwnd()) {
        MoveWindow(m_splitter.hwnd(), 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
    }
}

void CMainFrame::SetTitle(const std::u16string& title) {
    SetWindowTextW(hwnd(), win::W(title));
}

void CMainFrame::ShowMessage(const std::u16string& text, UINT icon) {
    MessageBoxW(hwnd(), win::W(text), win::W(ui::kAppName), MB_OK | icon);
}

bool CMainFrame::PreTranslate(MSG& message) {
    if (!hwnd() || (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd))) return false;
    if (m_view.hwnd() && m_view.BuildPage().PreTranslate(message)) return true;
    return m_accelerators && TranslateAcceleratorW(hwnd(), m_accelerators, &message) != 0;
}

void CMainFrame::NoteInput(const MSG& message) {
    switch (message.message) {
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd)) ScheduleChangeCheck();
            break;
    }
}

void CMainFrame::OnPagesEdited() {
    ScheduleChangeCheck();
}

void CMainFrame::TargetEdited() {
    ScheduleChangeCheck();
}

void CMainFrame::ScheduleChangeCheck() {
    if (m_changeCheckPending || !hwnd()) return;
    m_changeCheckPending = SetTimer(hwnd(), kChangeCheckTimer, kChangeCheckMs, nullptr) != 0;
}

void CMainFrame::SetTestEnabled(bool enabled) {
    m_bTestEnabled = enabled ? 1 : 0;
    m_toolBar.EnableButton(ID_TEST_PROJECT, enabled);
}

void CMainFrame::BuildFinished() {
    if (m_closeAfterBuild) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void CMainFrame::OnSectionChosen(int section) {
    m_navigator.MarkSection(section);
    m_view.ShowSection(section);
    // The build packs the texts from the temporary folder; a build under way is reading them.
    if (section == ui::kBuildSection && !Building()) WriteTextsToTemporaryFiles();
}

void CMainFrame::OnUpdateButton() {
    if (!m_app.UpdateAvailable()) return;
    ShellExecuteW(hwnd(), nullptr, win::W(m_app.UpdateUrl()), nullptr, nullptr, SW_SHOW);
}

void CMainFrame::ShowUpdate(int32_t latest) {
    if (!m_navigator.hwnd()) return;
    m_navigator.ShowUpdate(ui::UpdateButtonText(latest));
}

void CMainFrame::OnUpdateCheckDone(UpdateCheckResult* result) {
    m_updateCheck.Finished();
    if (result->libraryMissing) {
        ShowMessage(std::u16string(kMsxmlMissingMessage) + ui::kMsxmlDownloadUrl,
                    MB_ICONINFORMATION);
    }
    if (m_app.TakeUpdateCheck(*result)) ShowUpdate(ui::VersionInteger(m_app.LatestVersion()));
}

void CMainFrame::SwitchPane() {
    HWND focus = GetFocus();
    if (focus && (focus == m_navigator.hwnd() || IsChild(m_navigator.hwnd(), focus))) {
        HWND page = m_view.PageWindow(m_view.CurrentSection());
        SetFocus(page);
    } else {
        const int marked = m_navigator.MarkedSection();
        SetFocus(m_navigator.Button(marked < 0 ? 0 : marked));
    }
}

// Coming back to the window, the author finds the focus where it was, else on the navigator.
void CMainFrame::RestoreFocus() {
    if (m_lastFocus && IsChild(hwnd(), m_lastFocus) && IsWindowVisible(m_lastFocus) &&
        IsWindowEnabled(m_lastFocus)) {
        SetFocus(m_lastFocus);
        return;
    }
    const int marked = m_navigator.MarkedSection();
    if (m_navigator.hwnd()) SetFocus(m_navigator.Button(marked < 0 ? 0 : marked));
}

void CMainFrame::OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::u16string project;
    for (UINT i = 0; i < count && project.empty(); ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::u16string path(length + 1, u'\0');
        DragQueryFileW(drop, i, win::W(&path[0]), length + 1);
        path.resize(length);
        if (ui::IsProjectFileName(path)) project = path;
    }
    DragFinish(drop);
    if (!project.empty() && !Building() && SaveChangesFirst()) OpenProject(project);
}

bool CMainFrame::OnCommand(WORD id) {
    // While a build packs, the project and the target stay as they are.
    const bool busy = Building();
    switch (id) {
        case ID_FILE_NEW:
            if (!busy) OnFileNew();
            return true;
        case ID_FILE_OPEN:
            if (!busy) OnFileOpen();
            return true;
        case ID_FILE_SAVE:
            if (!busy) OnFileSave();
            return true;
        case ID_FILE_SAVE_AS:
            if (!busy) OnFileSaveAs();
            return true;
        case ID_APP_EXIT:
            PostMessageW(hwnd(), WM_CLOSE, 0, 0);
            return true;
        case ID_TEST_PROJECT:
            if (m_bTestEnabled && !busy) TestProject();
            return true;
        case ID_APP_ABOUT:
            OnAppAbout();
            return true;
        case ID_HELP_WEBPAGE:
        case ID_VISIT_WEBSITE:
            OnWebPage();
            return true;
        // The editing keys act on whatever window has the focus.
        case ID_EDIT_COPY:
            SendMessageW(GetFocus(), WM_COPY, 0, 0);
            return true;
        case ID_EDIT_CUT:
            SendMessageW(GetFocus(), WM_CUT, 0, 0);
            return true;
        case ID_EDIT_PASTE:
            SendMessageW(GetFocus(), WM_PASTE, 0, 0);
            return true;
        case ID_EDIT_UNDO:
            SendMessageW(GetFocus(), WM_UNDO, 0, 0);
            return true;
        case ID_NEXT_PANE:
        case ID_PREV_PANE:
            SwitchPane();  // with two panes, next and previous are the same
            return true;
    }
    return false;
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = ui::kMinWindowWidth;
            info->ptMinTrackSize.y = ui::kMinWindowHeight;
            return 0;
        }
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam))) return 0;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (m_toolBar.OnNotify(*reinterpret_cast<const NMHDR*>(lParam), &result)) return result;
            break;
        }
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_MENU &&
                (m_fileMenu.MeasureItem(item) || m_helpMenu.MeasureItem(item))) {
                return TRUE;
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_MENU &&
                (m_fileMenu.DrawItem(item) || m_helpMenu.DrawItem(item))) {
                return TRUE;
            }
            break;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd(), focus)) m_lastFocus = focus;
            } else {
                // Back from a dialog that may have changed the project (File Properties, Add
                // Files, a picture).
                ScheduleChangeCheck();
            }
            break;
        case WM_TIMER:
            if (wParam != kChangeCheckTimer) break;
            KillTimer(hwnd(), kChangeCheckTimer);
            m_changeCheckPending = false;
            UpdateTitle();
            return 0;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_START_UPDATE_CHECK:
            m_updateCheck.Start(hwnd(), WM_UPDATE_CHECK_DONE, m_app.LatestVersion(),
                                ui::UpdateDocumentAddress(settings::UpdateUrl()));
            return 0;
        case WM_UPDATE_CHECK_DONE: {
            std::unique_ptr<UpdateCheckResult> result(reinterpret_cast<UpdateCheckResult*>(lParam));
            if (result) OnUpdateCheckDone(result.get());
            return 0;
        }
        case WM_OPEN_COMMAND_LINE_PROJECT:
            if (!m_app.CommandLinePath().empty()) OpenProject(m_app.CommandLinePath());
            return 0;
        case WM_CLOSE:
            if (Building()) {
                m_closeAfterBuild = true;  // closed as soon as the build has ended
                return 0;
            }
            m_closeAfterBuild = false;
            if (SaveChangesFirst()) DestroyWindow(hwnd());
            return 0;
        case WM_QUERYENDSESSION:
            return !Building() && SaveChangesFirst() ? TRUE : FALSE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Default(message, wParam, lParam);
}
