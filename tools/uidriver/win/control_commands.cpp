// The commands that read and use single controls, and the keyboard.

#include "tools/uidriver/win/command_context.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/text.h"
#include "tools/uidriver/win/console.h"
#include "tools/uidriver/win/control_access.h"
#include "tools/uidriver/win/input.h"
#include "tools/uidriver/win/window_search.h"

namespace uidriver {

namespace {

bool DoText(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    std::u16string content;
    if (!ReadText(control, &content)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintText(content);
    return true;
}

bool DoSetText(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    if (!WriteText(control, c.text)) {
        *error = Describe(state, c.numbers[0]) + " refused the text";
        return false;
    }
    return true;
}

bool DoWaitText(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    std::u16string content;
    if (!WaitFor(state, [&] {
            return ReadText(control, &content) && content.find(c.text) != std::u16string::npos;
        })) {
        *error = Describe(state, c.numbers[0]) + " still reads " + Quoted(content) +
                 ", not containing " + Quoted(c.text) + AfterTimeout(state);
        return false;
    }
    return true;
}

bool DoClick(State& state, const Command& c, std::string* error) {
    const long id = c.numbers[0];
    HWND control = UsableControl(state, id, error);
    if (!control) return false;
    std::u16string cls = text::ToLowerAscii(WindowClass(control));
    if (cls == u"button") {
        SendWithTimeout(control, BM_CLICK, 0, 0, nullptr, kClickAnswerMs);
    } else {
        SendWithTimeout(GetParent(control), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(control), nullptr, kClickAnswerMs);
    }
    return true;
}

bool DoCommand(State& state, const Command& c, std::string* error) {
    if (!NeedCurrent(state, error)) return false;
    SendWithTimeout(state.current, WM_COMMAND, MAKEWPARAM(c.numbers[0], 0), 0, nullptr,
                    kClickAnswerMs);
    return true;
}

bool DoMouse(State& state, const Command& c, std::string* error) {
    const long id = c.numbers[0];
    HWND control = UsableControl(state, id, error);
    if (!control || !Front(state, error)) return false;
    RECT rect;
    GetClientRect(control, &rect);
    POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (!MouseClick(control, middle)) {
        *error = "the system did not take the mouse click";
        return false;
    }
    WaitUntilIdle(control);
    return true;
}

bool DoWheel(State& state, const Command& c, std::string* error) {
    const long id = c.numbers[0];
    HWND control = UsableControl(state, id, error);
    if (!control || !Front(state, error)) return false;
    RECT rect;
    GetClientRect(control, &rect);
    POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (!MouseWheel(control, middle, static_cast<int>(c.numbers[1]))) {
        *error = "the system did not take the wheel turn";
        return false;
    }
    WaitUntilIdle(control);
    return true;
}

bool DoScrollPos(State& state, const Command& c, std::string* error) {
    // A scroll bar that comes with a page's first paint: waited for as for a click.
    HWND control = UsableControl(state, c.numbers[0], error);
    if (!control) return false;
    const std::u16string cls = text::ToLowerAscii(WindowClass(control));
    UINT message = 0;
    if (cls == u"scrollbar") message = SBM_GETPOS;
    if (cls == u"syslistview32") message = LVM_GETTOPINDEX;
    LRESULT position = 0;
    if (!message) {
        *error = Describe(state, c.numbers[0]) + " is a " + Utf8(WindowClass(control)) +
                 ", not a scroll bar or list view";
        return false;
    }
    if (!SendWithTimeout(control, message, 0, 0, &position)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(std::to_string(position));
    return true;
}

bool DoRect(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, state.current, reinterpret_cast<POINT*>(&rect), 2);
    PrintLine(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
              std::to_string(rect.right) + " " + std::to_string(rect.bottom));
    return true;
}

bool DoFocus(State& state, const Command& c, std::string* error) {
    HWND control = UsableControl(state, c.numbers[0], error);
    if (!control) return false;
    if (WindowClass(state.current) == u"#32770") {
        // The dialog's own way, which also moves the default button.
        SendWithTimeout(state.current, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        return true;
    }
    DWORD ours = GetCurrentThreadId();
    DWORD theirs = GetWindowThreadProcessId(control, nullptr);
    AttachThreadInput(ours, theirs, TRUE);
    SetFocus(control);
    AttachThreadInput(ours, theirs, FALSE);
    return true;
}

bool DoEnabled(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    PrintLine(IsWindowEnabled(control) ? "1" : "0");
    return true;
}

bool DoVisible(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    PrintLine(IsWindowVisible(control) ? "1" : "0");
    return true;
}

bool WaitEnabledState(State& state, const Command& c, bool enabled, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    if (!WaitFor(state, [&] { return (IsWindowEnabled(control) != FALSE) == enabled; })) {
        *error = Describe(state, c.numbers[0]) + " is still " + (enabled ? "disabled" : "enabled") +
                 AfterTimeout(state);
        return false;
    }
    return true;
}

bool DoWaitEnabled(State& state, const Command& c, std::string* error) {
    return WaitEnabledState(state, c, true, error);
}

bool DoWaitDisabled(State& state, const Command& c, std::string* error) {
    return WaitEnabledState(state, c, false, error);
}

bool DoChecked(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control) return false;
    LRESULT check = 0;
    if (!SendWithTimeout(control, BM_GETCHECK, 0, 0, &check)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(std::to_string(check));
    return true;
}

bool DoKey(State& state, const Command& c, std::string* error) {
    if (!NeedCurrent(state, error) || !Front(state, error)) return false;
    if (!PressKeys(c.text, error)) return false;
    WaitUntilIdle(state.current);
    return true;
}

bool DoType(State& state, const Command& c, std::string* error) {
    if (!NeedCurrent(state, error) || !Front(state, error)) return false;
    if (!TypeText(c.text)) {
        *error = "the system did not take the typed text";
        return false;
    }
    WaitUntilIdle(state.current);
    return true;
}

}  // namespace

const std::vector<NamedHandler>& ControlCommands() {
    static const std::vector<NamedHandler> handlers = {
        {"text", DoText},
        {"settext", DoSetText},
        {"waittext", DoWaitText},
        {"click", DoClick},
        {"command", DoCommand},
        {"mouse", DoMouse},
        {"wheel", DoWheel},
        {"scrollpos", DoScrollPos},
        {"rect", DoRect},
        {"focus", DoFocus},
        {"enabled", DoEnabled},
        {"visible", DoVisible},
        {"waitenabled", DoWaitEnabled},
        {"waitdisabled", DoWaitDisabled},
        {"checked", DoChecked},
        {"key", DoKey},
        {"type", DoType},
    };
    return handlers;
}

}  // namespace uidriver
