#include "widgets/win/hyperlink.h"

#include <commctrl.h>
#include <windowsx.h>

#include "os/os.h"
#include "widgets/hyperlink_text.h"
#include "widgets/win/wide.h"

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kWinHelpHandCursor = 106;
constexpr DWORD kMaxCommandUnits = 260;

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, win::W(&text[0]), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// The default value of a key under the classes root; empty when the key or value is missing.
std::u16string ClassesRootDefault(const std::u16string& key) {
    wchar_t value[kMaxCommandUnits + 1];
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CLASSES_ROOT, win::W(key), nullptr, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    return win::U16(value);
}

// Starts a command line as WinExec would and answers in the shell's result codes.
int32_t StartCommandLine(const std::u16string& commandLine, int show) {
    std::u16string writable = commandLine;  // CreateProcessW may write into the line
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, win::W(&writable[0]), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        // The low error numbers mean the same as the shell's codes; the rest say the program
        // could not be run.
        return error < 32 ? static_cast<int32_t>(error) : ERROR_BAD_FORMAT;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 33;
}

// When the shell cannot open an address itself, the browser registered for ".htm" pages is
// started with the address. Keeps `shellResult` when no browser is registered.
int32_t OpenWithHtmlBrowser(const std::u16string& address, int32_t shellResult) {
    const std::u16string type = ClassesRootDefault(u".htm");
    if (type.empty()) return shellResult;
    const std::u16string command = ClassesRootDefault(type + u"\\shell\\open\\command");
    if (command.empty()) return shellResult;
    return StartCommandLine(widgets::BrowserCommandLine(command, address), SW_SHOW);
}

}  // namespace

CHyperLink::CHyperLink() : m_backgroundColour(GetSysColor(COLOR_BTNFACE)) {}

CHyperLink::~CHyperLink() {
    DestroyTooltip();
    if (m_ownsCursor && m_handCursor) DestroyCursor(m_handCursor);
}

bool CHyperLink::Attach(HWND control) {
    if (!win::Window::Attach(control)) return false;
    SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | SS_NOTIFY);

    const std::u16string text = WindowText(control);
    if (m_address.empty()) m_address = text;
    if (text.empty()) SetWindowTextW(control, win::W(m_address));

    m_normalFont = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!m_normalFont) m_normalFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!m_normalFont) m_normalFont = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    LOGFONTW font = {};
    if (GetObjectW(m_normalFont, sizeof(font), &font)) {
        font.lfUnderline = TRUE;
        m_underlineFont.reset(CreateFontIndirectW(&font));
    }
    UseFont(false);

    LoadHandCursor();
    return true;
}

void CHyperLink::SetAddress(const std::u16string& address) {
    m_address = address;
    if (!m_tooltip) return;
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = hwnd();
    tool.uId = kToolId;
    tool.lpszText = const_cast<wchar_t*>(win::W(m_address));
    SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLink::SetVisited(bool visited) {
    m_visited = visited;
    Redraw();
}

bool CHyperLink::Open() {
    m_over = false;
    int32_t result = os::ShellOpen(m_address, u"", os::ShowMode::Normal);
    if (result <= 32) result = OpenWithHtmlBrowser(m_address, result);
    if (result > 32) {
        SetVisited(true);
        return true;
    }
    Redraw();
    MessageBeep(MB_ICONEXCLAMATION);
    HWND owner = hwnd() ? GetAncestor(hwnd(), GA_ROOT) : nullptr;
    const std::u16string caption = owner ? WindowText(owner) : std::u16string();
    MessageBoxW(owner, win::W(widgets::HyperlinkFailureText(result)), win::W(caption),
                MB_OK | MB_ICONEXCLAMATION);
    return false;
}

COLORREF CHyperLink::TextColour() const {
    if (m_over) return kHoverColour;
    return m_visited ? kVisitedColour : kLinkColour;
}

void CHyperLink::UseFont(bool underlined) {
    HFONT font = (underlined && m_underlineFont) ? m_underlineFont.get() : m_normalFont;
    // Straight to the control's own procedure: it keeps the font for WM_GETFONT.
    Default(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void CHyperLink::Redraw() {
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void CHyperLink::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd(), &client);
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    UINT format = DT_WORDBREAK;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER:
            format |= DT_CENTER;
            break;
        case SS_RIGHT:
            format |= DT_RIGHT;
            break;
        case SS_LEFTNOWORDWRAP:
            format = DT_SINGLELINE;
            break;
        default:
            break;
    }
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    HFONT font = reinterpret_cast<HFONT>(Default(WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour());
    const std::u16string text = WindowText(hwnd());
    DrawTextW(dc, win::W(text), static_cast<int>(text.size()), &client, format);
    if (previous) SelectObject(dc, previous);
    EndPaint(hwnd(), &paint);
}

void CHyperLink::PointerMoved() {
    // The tooltip window is made when it is first needed: most links are never pointed at.
    CreateTooltip();
    if (m_over) return;
    m_over = true;
    UseFont(true);
    Redraw();
    SetTimer(hwnd(), kHoverTimer, kHoverCheckMs, nullptr);
}

void CHyperLink::CheckPointerLeft() {
    const DWORD position = GetMessagePos();
    POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(hwnd(), &point);
    RECT client;
    GetClientRect(hwnd(), &client);
    if (PtInRect(&client, point)) return;
    m_over = false;
    KillTimer(hwnd(), kHoverTimer);
    UseFont(false);
    Redraw();
}

// The classic hand of the help viewer when the system has it, else the system's own hand.
void CHyperLink::LoadHandCursor() {
    if (m_handCursor) return;
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::u16string helpViewer = win::U16(windows, length) + u"\\winhlp32.exe";
        HMODULE module = LoadLibraryExW(win::W(helpViewer), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (module) {
            HCURSOR cursor = LoadCursorW(module, MAKEINTRESOURCEW(kWinHelpHandCursor));
            if (cursor) {
                m_handCursor = CopyCursor(cursor);
                m_ownsCursor = m_handCursor != nullptr;
            }
            FreeLibrary(module);
        }
    }
    if (!m_handCursor) m_handCursor = LoadCursorW(nullptr, IDC_HAND);
}

void CHyperLink::CreateTooltip() {
    if (m_tooltip) return;
    m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_tooltip) return;
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = kToolId;
    GetClientRect(hwnd(), &tool.rect);
    tool.lpszText = const_cast<wchar_t*>(win::W(m_address));
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLink::DestroyTooltip() {
    if (m_tooltip) DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
}

LRESULT CHyperLink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd(), &client);
            win::Brush brush(CreateSolidBrush(m_backgroundColour));
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush.get());
            return 1;
        }
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE:
            PointerMoved();
            break;
        case WM_TIMER:
            if (wParam != kHoverTimer) break;
            CheckPointerLeft();
            return 0;
        case WM_SETCURSOR:
            if (!m_handCursor) break;
            SetCursor(m_handCursor);
            return TRUE;
        case WM_LBUTTONUP: {
            RECT client;
            GetClientRect(hwnd(), &client);
            POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (PtInRect(&client, point)) Open();
            break;
        }
        case WM_DESTROY:
            KillTimer(hwnd(), kHoverTimer);
            DestroyTooltip();
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
