#include "tools/uidriver/win/runner.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "base/text.h"
#include "tools/uidriver/win/console.h"
#include "tools/uidriver/win/control_access.h"
#include "tools/uidriver/win/input.h"
#include "tools/uidriver/win/system_folders.h"
#include "tools/uidriver/win/window_search.h"

namespace uidriver {

namespace {

// How long a click waits for the program to handle it. A click that opens a modal window (a
// message box, the next page run from the handler) does not return before that window closes,
// so a click that takes longer is taken as done.
constexpr UINT kClickAnswerMs = 250;

struct State {
    HWND current = nullptr;
    DWORD timeoutMs = 10000;
    // Set by a command that did not find its window: the failure message then lists them.
    bool listWindows = false;
};

using Handler = bool (*)(State&, const Command&, std::string*);

std::string Utf8(const std::u16string& text) {
    return text::ToUtf8(text);
}

std::string Quoted(const std::u16string& text) {
    return "\"" + EscapeText(text) + "\"";
}

void PrintText(const std::u16string& text) {
    PrintLine(EscapeText(text));
}

std::string Hex(const void* pointer) {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%08lx",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(pointer)));
    return buffer;
}

void PrintWindowList() {
    PrintError("visible windows:");
    for (HWND window : VisibleTopLevelWindows()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        PrintError("  " + Quoted(WindowTitle(window)) + " [" + Utf8(WindowClass(window)) +
                   "] process " + std::to_string(processId));
    }
}

// Polls `done` every 50 ms until it holds or the state's timeout passes.
template <class Condition>
bool WaitFor(const State& state, Condition done) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= state.timeoutMs) return false;
        Sleep(50);
    }
}

std::string AfterTimeout(const State& state) {
    return " after " + std::to_string(state.timeoutMs) + " ms";
}

bool NeedCurrent(const State& state, std::string* error) {
    if (!state.current) {
        *error = "no current window: choose one with \"window TEXT\" first";
        return false;
    }
    if (!IsWindow(state.current)) {
        *error = "the current window is gone";
        return false;
    }
    return true;
}

std::string Describe(const State& state, long id) {
    return "control " + std::to_string(id) + " of " + Quoted(WindowTitle(state.current));
}

HWND Control(const State& state, long id, std::string* error) {
    if (!NeedCurrent(state, error)) return nullptr;
    HWND control = FindControl(state.current, static_cast<int>(id));
    if (!control) *error = "no " + Describe(state, id);
    return control;
}

HWND ListControl(const State& state, long id, std::string* error) {
    HWND control = Control(state, id, error);
    if (control && KindOfList(control) == ListKind::None) {
        *error = Describe(state, id) + " is a " + Utf8(WindowClass(control)) +
                 ", not a list box, combo box or list view";
        return nullptr;
    }
    return control;
}

HWND ListViewControl(const State& state, long id, std::string* error) {
    HWND control = Control(state, id, error);
    if (control && KindOfList(control) != ListKind::ListView) {
        *error = Describe(state, id) + " is a " + Utf8(WindowClass(control)) + ", not a list view";
        return nullptr;
    }
    return control;
}

bool Usable(const State& state, HWND control, long id, std::string* error) {
    if (!IsWindowVisible(control)) {
        *error = Describe(state, id) + " is hidden";
        return false;
    }
    if (!IsWindowEnabled(control)) {
        *error = Describe(state, id) + " is disabled";
        return false;
    }
    return true;
}

bool RowExists(const State& state, HWND list, long id, long row, std::string* error) {
    int count = 0;
    if (!ItemCount(list, &count)) {
        *error = Describe(state, id) + " did not answer";
        return false;
    }
    if (row >= count) {
        *error = Describe(state, id) + " has " + std::to_string(count) + " items, no item " +
                 std::to_string(row);
        return false;
    }
    return true;
}

bool Front(const State& state, std::string* error) {
    if (BringToFront(state.current)) return true;
    *error = Quoted(WindowTitle(state.current)) + " could not be brought to the front";
    return false;
}

// --- windows ---

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

// --- texts ---

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

// --- buttons and states ---

bool DoClick(State& state, const Command& c, std::string* error) {
    const long id = c.numbers[0];
    HWND control = Control(state, id, error);
    if (!control || !Usable(state, control, id, error)) return false;
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
    HWND control = Control(state, id, error);
    if (!control || !Usable(state, control, id, error) || !Front(state, error)) return false;
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

bool DoFocus(State& state, const Command& c, std::string* error) {
    HWND control = Control(state, c.numbers[0], error);
    if (!control || !Usable(state, control, c.numbers[0], error)) return false;
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

// --- lists ---

bool DoCount(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    int count = 0;
    if (!list) return false;
    if (!ItemCount(list, &count)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(std::to_string(count));
    return true;
}

bool DoItem(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    std::u16string content;
    if (!ItemText(list, static_cast<int>(c.numbers[1]), &content)) {
        *error =
            Describe(state, c.numbers[0]) + " did not give item " + std::to_string(c.numbers[1]);
        return false;
    }
    PrintText(content);
    return true;
}

bool DoItems(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    int count = 0;
    if (!list) return false;
    if (!ItemCount(list, &count)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    for (int i = 0; i < count; ++i) {
        std::u16string content;
        if (!ItemText(list, i, &content)) {
            *error = Describe(state, c.numbers[0]) + " did not give item " + std::to_string(i);
            return false;
        }
        PrintText(content);
    }
    return true;
}

bool DoSelected(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    int index = -1;
    if (!list) return false;
    if (!SelectedItem(list, &index)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(std::to_string(index));
    return true;
}

bool DoSelect(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    if (!SelectItem(list, static_cast<int>(c.numbers[1]))) {
        *error = Describe(state, c.numbers[0]) + " refused to select item " +
                 std::to_string(c.numbers[1]);
        return false;
    }
    return true;
}

bool SetTick(State& state, const Command& c, bool ticked, std::string* error) {
    HWND list = ListViewControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    if (!SetRowTicked(list, static_cast<int>(c.numbers[1]), ticked)) {
        *error = Describe(state, c.numbers[0]) + " refused to change row " +
                 std::to_string(c.numbers[1]);
        return false;
    }
    return true;
}

bool DoTick(State& state, const Command& c, std::string* error) {
    return SetTick(state, c, true, error);
}

bool DoUntick(State& state, const Command& c, std::string* error) {
    return SetTick(state, c, false, error);
}

bool DoTicked(State& state, const Command& c, std::string* error) {
    HWND list = ListViewControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    bool ticked = false;
    if (!IsRowTicked(list, static_cast<int>(c.numbers[1]), &ticked)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(ticked ? "1" : "0");
    return true;
}

bool DoClickRow(State& state, const Command& c, std::string* error) {
    const long id = c.numbers[0];
    HWND list = ListViewControl(state, id, error);
    if (!list || !Usable(state, list, id, error) ||
        !RowExists(state, list, id, c.numbers[1], error) || !Front(state, error)) {
        return false;
    }
    RECT label;
    if (!RowLabelRect(list, static_cast<int>(c.numbers[1]), &label)) {
        *error =
            Describe(state, id) + " did not give the place of row " + std::to_string(c.numbers[1]);
        return false;
    }
    RECT client;
    GetClientRect(list, &client);
    POINT middle = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    if (!PtInRect(&client, middle)) {
        *error = "row " + std::to_string(c.numbers[1]) + " of " + Describe(state, id) +
                 " is scrolled out of sight";
        return false;
    }
    if (!MouseClick(list, middle)) {
        *error = "the system did not take the mouse click";
        return false;
    }
    WaitUntilIdle(list);
    return true;
}

// --- keyboard ---

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

// --- the run itself ---

bool DoSleep(State&, const Command& c, std::string*) {
    Sleep(static_cast<DWORD>(c.numbers[0]));
    return true;
}

bool DoTimeout(State& state, const Command& c, std::string*) {
    state.timeoutMs = static_cast<DWORD>(c.numbers[0]);
    return true;
}

bool DoFolder(State&, const Command& c, std::string* error) {
    std::u16string path;
    if (!SystemFolder(c.text, &path)) {
        *error = "no system folder named " + Quoted(c.text);
        return false;
    }
    PrintText(path);
    return true;
}

struct NamedHandler {
    const char* name;
    Handler handler;
};

const NamedHandler kHandlers[] = {
    {"window", DoWindow},
    {"msgbox", DoMessageBox},
    {"waitclosed", DoWaitClosed},
    {"close", DoClose},
    {"title", DoTitle},
    {"windows", DoWindows},
    {"controls", DoControls},
    {"text", DoText},
    {"settext", DoSetText},
    {"waittext", DoWaitText},
    {"click", DoClick},
    {"command", DoCommand},
    {"mouse", DoMouse},
    {"focus", DoFocus},
    {"enabled", DoEnabled},
    {"visible", DoVisible},
    {"waitenabled", DoWaitEnabled},
    {"waitdisabled", DoWaitDisabled},
    {"checked", DoChecked},
    {"count", DoCount},
    {"item", DoItem},
    {"items", DoItems},
    {"selected", DoSelected},
    {"select", DoSelect},
    {"tick", DoTick},
    {"untick", DoUntick},
    {"ticked", DoTicked},
    {"clickrow", DoClickRow},
    {"key", DoKey},
    {"type", DoType},
    {"sleep", DoSleep},
    {"timeout", DoTimeout},
    {"folder", DoFolder},
};

Handler HandlerOf(const CommandSpec& spec) {
    for (const NamedHandler& named : kHandlers) {
        if (std::string(named.name) == spec.name) return named.handler;
    }
    return nullptr;
}

}  // namespace

int RunScript(const std::vector<Command>& commands) {
    State state;
    for (size_t i = 0; i < commands.size(); ++i) {
        const Command& command = commands[i];
        Handler handler = HandlerOf(*command.spec);
        std::string error = "the driver does not know how to run this command";
        if (!handler || !handler(state, command, &error)) {
            PrintError("uidriver: command " + std::to_string(i + 1) + " \"" + command.source +
                       "\": " + error);
            if (state.listWindows) PrintWindowList();
            return 1;
        }
    }
    return 0;
}

}  // namespace uidriver
