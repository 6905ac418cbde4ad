// The commands that choose, read and close top-level windows.

#include "tools/uidriver/win/command_context.h"

#include <windows.h>

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

}  // namespace

const std::vector<NamedHandler>& WindowCommands() {
    static const std::vector<NamedHandler> handlers = {
        {"window", DoWindow},     {"msgbox", DoMessageBox}, {"waitclosed", DoWaitClosed},
        {"close", DoClose},       {"title", DoTitle},       {"windows", DoWindows},
        {"controls", DoControls},
    };
    return handlers;
}

}  // namespace uidriver
