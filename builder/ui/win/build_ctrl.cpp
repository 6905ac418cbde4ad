#include "builder/ui/win/build_ctrl.h"

#include "builder/ui/app_identity.h"
#include "builder/ui/frame_layout.h"
#include "builder/ui/win/file_dialog.h"
#include "widgets/win/controls.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"BUILDCLASS";

constexpr char16_t kTargetFilter[] = u"Executable Files (*.exe)|*.exe|All Files (*.*)|*.*||";

}  // namespace

bool CBuildCtrl::Create(HWND parent, int id, const RECT& rect, Owner* owner) {
    if (!win::Window::Register(kClassName, CS_DBLCLKS,
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) {
        return false;
    }
    m_owner = owner;
    m_font.reset(win::CreateSwissFont(L"Tahoma", 14, FW_NORMAL, DEFAULT_QUALITY));
    if (!win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                                  rect, parent, id)) {
        return false;
    }
    if (!CreateControls()) return false;
    Layout();
    return true;
}

HWND CBuildCtrl::MakeControl(const wchar_t* className, const wchar_t* text, DWORD style,
                             DWORD exStyle, int id) {
    return win::CreateControl(hwnd(), id, className, text, WS_VISIBLE | style, exStyle,
                              {0, 0, 10, 10}, m_font.get());
}

bool CBuildCtrl::CreateControls() {
    m_targetLabel = MakeControl(L"STATIC", L"Target File", SS_LEFT | SS_NOPREFIX, 0, kLabelId);
    m_targetEdit =
        MakeControl(L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, kTargetEditId);
    m_selectButton = MakeControl(L"BUTTON", L"Select Target File", WS_TABSTOP | BS_PUSHBUTTON, 0,
                                 kSelectTargetId);
    m_buildButton =
        MakeControl(L"BUTTON", L"Build Installer(F5)", WS_TABSTOP | BS_PUSHBUTTON, 0, kBuildId);
    m_testButton = MakeControl(L"BUTTON", L"Test Project", WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON,
                               0, kTestId);
    m_logLabel = MakeControl(L"STATIC", L"Build Log", SS_LEFT | SS_NOPREFIX, 0, kLabelId);
    m_log = MakeControl(
        L"LISTBOX", L"",
        WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, 0,
        kLogId);
    if (m_targetEdit) SendMessageW(m_targetEdit, EM_SETLIMITTEXT, 1024, 0);
    return m_targetLabel && m_targetEdit && m_selectButton && m_buildButton && m_testButton &&
           m_logLabel && m_log;
}

void CBuildCtrl::Layout() {
    RECT client;
    GetClientRect(hwnd(), &client);
    const auto boxes = ui::BuildPageLayout(client.right, client.bottom);
    const HWND controls[ui::kBuildPageControlCount] = {
        m_targetLabel, m_targetEdit, m_selectButton, m_buildButton, m_testButton, m_logLabel, m_log,
    };
    for (int i = 0; i < ui::kBuildPageControlCount; ++i) {
        const ui::Box& box = boxes[i];
        win::MoveTo(controls[i], {box.left, box.top, box.right, box.bottom});
    }
}

std::u16string CBuildCtrl::TargetText() const {
    const int length = GetWindowTextLengthW(m_targetEdit);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(m_targetEdit, win::W(&text[0]), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

void CBuildCtrl::SetTargetText(const std::u16string& path) {
    SetWindowTextW(m_targetEdit, win::W(path));
}

void CBuildCtrl::ClearLog() {
    SendMessageW(m_log, LB_RESETCONTENT, 0, 0);
    SendMessageW(m_log, LB_SETHORIZONTALEXTENT, 0, 0);
}

std::u16string CBuildCtrl::LogLine(int index) const {
    const LRESULT length = SendMessageW(m_log, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::u16string line(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(m_log, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&line[0]));
    line.resize(static_cast<size_t>(length));
    return line;
}

void CBuildCtrl::AddLogLine(const std::u16string& line) {
    const LRESULT index =
        SendMessageW(m_log, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    if (index == LB_ERR || index == LB_ERRSPACE) return;
    SendMessageW(m_log, LB_SETTOPINDEX, index, 0);
    // Long paths can be scrolled to sideways.
    HDC dc = GetDC(m_log);
    HGDIOBJ old = SelectObject(dc, m_font.get());
    SIZE extent = {};
    GetTextExtentPoint32W(dc, win::W(line), static_cast<int>(line.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(m_log, dc);
    const LRESULT widest = SendMessageW(m_log, LB_GETHORIZONTALEXTENT, 0, 0);
    if (extent.cx + 8 > widest) SendMessageW(m_log, LB_SETHORIZONTALEXTENT, extent.cx + 8, 0);
}

void CBuildCtrl::EnableButtons(bool build, bool test) {
    EnableWindow(m_buildButton, build ? TRUE : FALSE);
    EnableWindow(m_testButton, test ? TRUE : FALSE);
}

void CBuildCtrl::SelectTargetFile() {
    std::u16string path;
    if (!ChooseFileToSave(GetAncestor(hwnd(), GA_ROOT), kTargetFilter, u"*.exe", &path)) return;
    if (!path.empty()) SetTargetText(path);  // the edit's change disables Test Project
}

void CBuildCtrl::Build() {
    if (m_building || !m_owner) return;
    build::BuildRequest request;
    if (!m_owner->PrepareBuild(&request)) return;
    m_targetPath = request.model->targetFile;
    ClearLog();

    m_building = true;
    const build::BuildResult result = build::BuildSetup(request, &m_extractor, this);
    m_building = false;

    std::u16string message = result.message;
    if (!result.detail.empty()) message += u"\n\n" + result.detail;
    const UINT icon =
        result.status == build::BuildStatus::Built ? MB_ICONINFORMATION : MB_ICONEXCLAMATION;
    MessageBoxW(GetAncestor(hwnd(), GA_ROOT), win::W(message), win::W(ui::kAppName), MB_OK | icon);

    // Test Project is enabled after every build that went as far as writing the setup,
    // whatever came of it (Test Project says so when there is nothing to start); a build that
    // stopped before leaves it as it was.
    if (result.ReachedCreateSetup()) {
        EnableButtons(true, true);
        m_owner->SetTestEnabled(true);
    } else {
        EnableWindow(m_buildButton, TRUE);
    }
    m_owner->BuildFinished();
    if (m_quitPending) {
        m_quitPending = false;
        PostQuitMessage(m_quitCode);
    }
}

void CBuildCtrl::OnLogLine(const std::u16string& line) {
    AddLogLine(line);
    UpdateWindow(hwnd());
    PumpMessages();
}

void CBuildCtrl::OnPackingStarted(int32_t, int64_t) {
    EnableButtons(false, false);
    PumpMessages();
}

void CBuildCtrl::OnFileProgress(const FileRecord&, int32_t) {
    PumpMessages();
}

// The window keeps painting and answering while a build packs. Messages go straight to their
// windows, past the program's key handling, so F5 cannot start a second build meanwhile.
void CBuildCtrl::PumpMessages() {
    MSG message;
    while (!m_quitPending && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            m_quitPending = true;
            m_quitCode = static_cast<int>(message.wParam);
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool CBuildCtrl::OwnsFocus() const {
    HWND focus = GetFocus();
    return focus && (focus == hwnd() || IsChild(hwnd(), focus));
}

bool CBuildCtrl::PreTranslate(MSG& message) {
    if (!hwnd() || !IsWindowVisible(hwnd()) || !OwnsFocus()) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_F5) {
        Build();
        return false;
    }
    if (message.message == WM_KEYDOWN || message.message == WM_CHAR) {
        if (message.wParam == VK_TAB) return IsDialogMessageW(hwnd(), &message) != FALSE;
    }
    return false;
}

LRESULT CBuildCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_ERASEBKGND:
            win::FillClient(hwnd(), reinterpret_cast<HDC>(wParam), COLOR_BTNFACE);
            return 1;
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            FillRect(paint.dc(), &paint.area(), GetSysColorBrush(COLOR_BTNFACE));
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            // The labels sit on the page's button-face background.
            return win::ButtonFaceColours(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND: {
            const WORD id = LOWORD(wParam);
            const WORD code = HIWORD(wParam);
            if (id == kTargetEditId && code == EN_CHANGE) {
                EnableWindow(m_testButton, FALSE);
                if (m_owner) {
                    m_owner->SetTestEnabled(false);
                    m_owner->TargetEdited();
                }
            } else if (code == BN_CLICKED && id == kSelectTargetId) {
                SelectTargetFile();
            } else if (code == BN_CLICKED && id == kBuildId) {
                Build();
            } else if (code == BN_CLICKED && id == kTestId) {
                if (m_owner) m_owner->TestProject();
            }
            return 0;
        }
    }
    return Default(message, wParam, lParam);
}
