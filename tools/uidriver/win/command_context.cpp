#include "tools/uidriver/win/command_context.h"

#include <cstdio>

#include "base/text.h"
#include "tools/uidriver/win/console.h"
#include "tools/uidriver/win/control_access.h"
#include "tools/uidriver/win/input.h"
#include "tools/uidriver/win/window_search.h"

namespace uidriver {

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

HWND UsableControl(const State& state, long id, std::string* error) {
    if (!NeedCurrent(state, error)) return nullptr;
    HWND control = nullptr;
    std::string reason;
    const bool usable = WaitFor(state, [&] {
        reason.clear();
        control = Control(state, id, &reason);
        return control && Usable(state, control, id, &reason);
    });
    if (usable) return control;
    *error = reason + AfterTimeout(state);
    return nullptr;
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

}  // namespace uidriver
