#pragma once
// What the driver's commands share: the run's state (the current window, the wait time), the
// handler signature, and helpers that find the control a command names or explain why not.
// Each group of commands (window_commands.cpp, control_commands.cpp, list_commands.cpp) lists
// its handlers; runner.cpp looks a command up among them.

#include <windows.h>

#include <string>
#include <vector>

#include "tools/uidriver/script.h"

namespace uidriver {

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

// Runs one command; false with `error` set when it failed.
using Handler = bool (*)(State& state, const Command& command, std::string* error);

struct NamedHandler {
    const char* name;
    Handler handler;
};

const std::vector<NamedHandler>& WindowCommands();
const std::vector<NamedHandler>& ControlCommands();
const std::vector<NamedHandler>& ListCommands();

std::string Utf8(const std::u16string& text);
// The text escaped and in quotes, for messages.
std::string Quoted(const std::u16string& text);
// One output line holding the text, escaped.
void PrintText(const std::u16string& text);
std::string Hex(const void* pointer);
// Every visible top-level window, on standard error.
void PrintWindowList();

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

// " after N ms", for messages of waits that ran out.
std::string AfterTimeout(const State& state);
// "control ID of "title"", for messages.
std::string Describe(const State& state, long id);

// Each of these returns false (or nullptr) with `error` set when the command cannot go on.
bool NeedCurrent(const State& state, std::string* error);
HWND Control(const State& state, long id, std::string* error);
HWND ListControl(const State& state, long id, std::string* error);
HWND ListViewControl(const State& state, long id, std::string* error);
// Visible and enabled, as a user needs a control to be to use it.
bool Usable(const State& state, HWND control, long id, std::string* error);
// The control `id` once it is visible and enabled, waiting up to the state's timeout: the
// command before may have started what shows it (a section chosen, a page on its way), and a
// click is taken as done before its handler ends. nullptr with `error` set when it never is.
HWND UsableControl(const State& state, long id, std::string* error);
bool RowExists(const State& state, HWND list, long id, long row, std::string* error);
// The current window in front, for keyboard and mouse input.
bool Front(const State& state, std::string* error);

}  // namespace uidriver
