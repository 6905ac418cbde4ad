// The commands that choose, read and close top-level windows.

#include "tools/uidriver/win/command_context.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/text.h"
#include "tools/uidriver/win/console.h"
#include "tools/uidriver/win/control_access.h"
#include "tools/uidriver/win/window_search.h"

namespace uidriver {

namespace {

bool DoWindow(State& state, const Command& c, std::string* error) {
    HWND found = nullptr;
    if (!WaitFor(state, [&] { return (found = FindTopLevelWindow(c.text)) != nullptr; })) {
        *error = "no visible window whose title contains " + Quoted(c.text) + AfterTimeout(state);
        state.listWindows = true;
        return false;
    }
    state.current = found;
    return true;
}

bool DoMessageBox(State& state, const Command& c, std::string* error) {
    HWND found = nullptr;
    if (!WaitFor(state, [&] { return (found = FindMessageBox(c.text)) != nullptr; })) {
        *error = "no message box" +
                 (c.text.empty() ? "" : " whose title contains " + Quoted(c.text)) +
                 AfterTimeout(state);
        state.listWindows = true;
        return false;
    }
    state.current = found;
    HWND message = FindControl(found, 0xFFFF);
    std::u16string content;
    if (!message || !ReadText(message, &content)) {
        *error = "the message box did not answer";
        return false;
    }
    PrintText(content);
    return true;
}

bool DoWaitClosed(State& state, const Command&, std::string* error) {
    if (!state.current) return NeedCurrent(state, error);
    HWND window = state.current;
    if (!WaitFor(state, [&] { return !IsWindow(window) || !IsWindowVisible(window); })) {
        *error = Quoted(WindowTitle(window)) + " is still open" + AfterTimeout(state);
        return false;
    }
    state.current = nullptr;
    return true;
}

bool DoClose(State& state, const Command&, std::string* error) {
    if (!NeedCurrent(state, error)) return false;
    PostMessageW(state.current, WM_CLOSE, 0, 0);
    return true;
}

bool DoTitle(State& state, const Command&, std::string* error) {
    if (!NeedCurrent(state, error)) return false;
    PrintText(WindowTitle(state.current));
    return true;
}

bool DoWindows(State&, const Command&, std::string*) {
    for (HWND window : VisibleTopLevelWindows()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        PrintLine(Hex(window) + " process " + std::to_string(processId) + " [" +
                  Utf8(WindowClass(window)) + "] " + EscapeText(WindowTitle(window)));
    }
    return true;
}

bool DoControls(State& state, const Command&, std::string* error) {
    if (!NeedCurrent(state, error)) return false;
    for (HWND child : Descendants(state.current)) {
        std::u16string content;
        ReadText(child, &content);
        PrintLine(std::to_string(GetDlgCtrlID(child) & 0xFFFF) + " [" + Utf8(WindowClass(child)) +
                  "]" + (IsWindowEnabled(child) ? "" : " disabled") +
                  (IsWindowVisible(child) ? "" : " hidden") + " " + EscapeText(content));
    }
    return true;
}

// A font like the one `control` draws with: the one `fonts` ("ID:HEIGHT:WEIGHT[:FACE] ...",
// the height as CreateFont takes it) gives its ID, else the dialog font at 8 points. (Another
// process's font handle cannot be read.)
HFONT MeasuringFont(HWND control, const std::u16string& fonts) {
    LOGFONTW description = {};
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(description.lfFaceName, L"MS Shell Dlg 2");
    const std::string given = " " + Utf8(fonts) + " ";
    const std::string id = " " + std::to_string(GetDlgCtrlID(control) & 0xFFFF) + ":";
    const size_t at = given.find(id);
    if (at != std::string::npos) {
        int height = 0, weight = FW_NORMAL;
        char face[LF_FACESIZE] = "";
        sscanf(given.c_str() + at + id.size(), "%d:%d:%31[^ ]", &height, &weight, face);
        description.lfHeight = height;
        description.lfWeight = weight;
        description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        if (face[0]) MultiByteToWideChar(CP_UTF8, 0, face, -1, description.lfFaceName, LF_FACESIZE);
        return CreateFontIndirectW(&description);
    }
    HDC screen = GetDC(nullptr);
    description.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontIndirectW(&description);
}

// The room a static text or button leaves for its text, and how it lays it out; false for
// controls that draw no text of their own.
bool TextRoom(HWND control, RECT* room, UINT* format) {
    const std::u16string cls = text::ToLowerAscii(WindowClass(control));
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    GetClientRect(control, room);
    if (cls == u"static") {
        const LONG kind = style & SS_TYPEMASK;
        if (kind != SS_LEFT && kind != SS_CENTER && kind != SS_RIGHT) return false;
        *format = DT_WORDBREAK | DT_EXPANDTABS | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
        return true;
    }
    if (cls != u"button") return false;
    const LONG kind = style & BS_TYPEMASK;
    *format = DT_SINGLELINE;
    if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
        InflateRect(room, -3, 0);  // the button's frame
        return true;
    }
    if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON ||
        kind == BS_RADIOBUTTON) {
        room->right -= GetSystemMetrics(SM_CXMENUCHECK) + 3;  // the box and its gap
        return true;
    }
    return false;
}

// "overflow [fonts]": one line for each visible text of the current window that its control cannot
// show whole: "ID needs W x H in W x H: text"; nothing when every text fits.
bool DoOverflow(State& state, const Command& c, std::string* error) {
    if (!NeedCurrent(state, error)) return false;
    HDC dc = CreateCompatibleDC(nullptr);
    for (HWND child : Descendants(state.current)) {
        RECT room;
        UINT format = 0;
        std::u16string content;
        if (!IsWindowVisible(child) || !TextRoom(child, &room, &format) ||
            !ReadText(child, &content) || content.empty()) {
            continue;
        }
        HFONT font = MeasuringFont(child, c.text);
        HGDIOBJ old = SelectObject(dc, font);
        RECT need = {0, 0, room.right - room.left, 0};
        DrawTextW(dc, reinterpret_cast<const wchar_t*>(content.c_str()), -1, &need,
                  format | DT_CALCRECT);
        SelectObject(dc, old);
        DeleteObject(font);
        if (need.right > room.right - room.left || need.bottom > room.bottom - room.top) {
            PrintLine(std::to_string(GetDlgCtrlID(child) & 0xFFFF) + " needs " +
                      std::to_string(need.right) + " x " + std::to_string(need.bottom) + " in " +
                      std::to_string(room.right - room.left) + " x " +
                      std::to_string(room.bottom - room.top) + ": " + EscapeText(content));
        }
    }
    DeleteDC(dc);
    return true;
}

}  // namespace

const std::vector<NamedHandler>& WindowCommands() {
    static const std::vector<NamedHandler> handlers = {
        {"window", DoWindow},     {"msgbox", DoMessageBox}, {"waitclosed", DoWaitClosed},
        {"close", DoClose},       {"title", DoTitle},       {"windows", DoWindows},
        {"controls", DoControls}, {"overflow", DoOverflow},
    };
    return handlers;
}

}  // namespace uidriver
