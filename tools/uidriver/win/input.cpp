#include "tools/uidriver/win/input.h"

#include <vector>

#include "base/text.h"
#include "widgets/win/handle.h"

namespace uidriver {

namespace {

struct NamedKey {
    const char16_t* name;
    WORD key;
};

const NamedKey kNamedKeys[] = {
    {u"enter", VK_RETURN}, {u"return", VK_RETURN}, {u"esc", VK_ESCAPE},     {u"escape", VK_ESCAPE},
    {u"tab", VK_TAB},      {u"space", VK_SPACE},   {u"backspace", VK_BACK}, {u"delete", VK_DELETE},
    {u"del", VK_DELETE},   {u"insert", VK_INSERT}, {u"home", VK_HOME},      {u"end", VK_END},
    {u"pgup", VK_PRIOR},   {u"pgdn", VK_NEXT},     {u"left", VK_LEFT},      {u"right", VK_RIGHT},
    {u"up", VK_UP},        {u"down", VK_DOWN},     {u"alt", VK_MENU},       {u"ctrl", VK_CONTROL},
    {u"shift", VK_SHIFT},
};

// The virtual key of a name, 0 if unknown.
WORD KeyOf(const std::u16string& name) {
    std::u16string lower = text::ToLowerAscii(name);
    if (lower.size() == 1) {
        char16_t c = lower[0];
        if (c >= u'a' && c <= u'z') return static_cast<WORD>('A' + (c - u'a'));
        if (c >= u'0' && c <= u'9') return static_cast<WORD>(c);
    }
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == u'f') {
        int n = 0;
        for (size_t i = 1; i < lower.size(); ++i) {
            if (lower[i] < u'0' || lower[i] > u'9') return 0;
            n = n * 10 + (lower[i] - u'0');
        }
        if (n >= 1 && n <= 24) return static_cast<WORD>(VK_F1 + n - 1);
        return 0;
    }
    for (const NamedKey& named : kNamedKeys) {
        if (lower == named.name) return named.key;
    }
    return 0;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_DELETE || key == VK_INSERT || key == VK_HOME || key == VK_END ||
        key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN)) {
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    return input;
}

bool Send(std::vector<INPUT>& inputs) {
    if (inputs.empty()) return true;
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

std::vector<std::u16string> Split(const std::u16string& s, char16_t separator) {
    std::vector<std::u16string> parts;
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = s.find(separator, start);
        if (end == std::u16string::npos) end = s.size();
        if (end > start) parts.push_back(s.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

bool BringToFront(HWND window) {
    if (GetForegroundWindow() == window) return true;
    // Attaching to the foreground window's input lets a background process change it.
    DWORD ours = GetCurrentThreadId();
    DWORD theirs = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    bool attached = theirs && theirs != ours && AttachThreadInput(ours, theirs, TRUE);
    SetForegroundWindow(window);
    if (attached) AttachThreadInput(ours, theirs, FALSE);
    for (int i = 0; i < 50; ++i) {
        if (GetForegroundWindow() == window) return true;
        Sleep(20);
    }
    return false;
}

bool MouseClick(HWND window, POINT point) {
    if (!ClientToScreen(window, &point)) return false;
    // Every event carries the place itself: a cursor moved just before may not have arrived
    // where the button events are taken from.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width < 2 || height < 2) return false;
    const LONG x = MulDiv(point.x, 65535, width - 1), y = MulDiv(point.y, 65535, height - 1);
    std::vector<INPUT> inputs(3);
    const DWORD flags[] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (size_t i = 0; i < inputs.size(); ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = x;
        inputs[i].mi.dy = y;
        inputs[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    std::vector<INPUT> move(inputs.begin(), inputs.begin() + 1);
    std::vector<INPUT> click(inputs.begin() + 1, inputs.end());
    if (!Send(move)) return false;
    // The window under the cursor learns that the mouse is over it before the press.
    Sleep(50);
    return Send(click);
}

bool MouseWheel(HWND window, POINT point, int notches) {
    if (!ClientToScreen(window, &point)) return false;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width < 2 || height < 2) return false;
    std::vector<INPUT> inputs(2);
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(point.x, 65535, width - 1);
        input.mi.dy = MulDiv(point.y, 65535, height - 1);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_WHEEL;
    inputs[1].mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    std::vector<INPUT> move(inputs.begin(), inputs.begin() + 1);
    std::vector<INPUT> wheel(inputs.begin() + 1, inputs.end());
    if (!Send(move)) return false;
    // As for a click: the window under the cursor learns that the mouse is over it first.
    Sleep(50);
    return Send(wheel);
}

bool PressKeys(const std::u16string& keys, std::string* error) {
    std::vector<INPUT> inputs;
    for (const std::u16string& chord : Split(keys, u' ')) {
        std::vector<WORD> held;
        for (const std::u16string& name : Split(chord, u'+')) {
            WORD key = KeyOf(name);
            if (!key) {
                *error = "unknown key \"" + text::ToUtf8(name) + "\"";
                return false;
            }
            held.push_back(key);
        }
        for (WORD key : held) inputs.push_back(KeyInput(key, false));
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            inputs.push_back(KeyInput(*it, true));
    }
    if (!Send(inputs)) {
        *error = "the system did not take the key presses";
        return false;
    }
    return true;
}

bool TypeText(const std::u16string& text) {
    std::vector<INPUT> inputs;
    for (char16_t c : text) {
        for (bool up : {false, true}) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    return Send(inputs);
}

void WaitUntilIdle(HWND window) {
    // Input reaches the other thread's queue through the window system; the short pause lets
    // it arrive before the wait for the thread to become idle again.
    Sleep(100);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    win::KernelHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (process) WaitForInputIdle(process.get(), 2000);
    Sleep(100);
}

}  // namespace uidriver
