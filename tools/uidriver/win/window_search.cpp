#include "tools/uidriver/win/window_search.h"

#include "widgets/win/wide.h"

namespace uidriver {

namespace {

constexpr int kMessageTextId = 0xFFFF;

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

int ShortId(HWND window) {
    return GetDlgCtrlID(window) & 0xFFFF;
}

bool Contains(const std::u16string& text, const std::u16string& part) {
    return text.find(part) != std::u16string::npos;
}

}  // namespace

std::u16string WindowTitle(HWND window) {
    wchar_t buffer[1024];
    int length = GetWindowTextW(window, buffer, 1024);
    return win::U16(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::u16string WindowClass(HWND window) {
    wchar_t buffer[256];
    int length = GetClassNameW(window, buffer, 256);
    return win::U16(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::vector<HWND> VisibleTopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND FindTopLevelWindow(const std::u16string& titlePart) {
    for (HWND window : VisibleTopLevelWindows()) {
        if (Contains(WindowTitle(window), titlePart)) return window;
    }
    return nullptr;
}

bool IsMessageBox(HWND window) {
    if (WindowClass(window) != u"#32770") return false;
    bool hasText = false;
    for (HWND child : Descendants(window)) {
        int id = ShortId(child);
        if (id == kMessageTextId) {
            hasText = true;
        } else if (id > IDCONTINUE && WindowClass(child) != u"Static") {
            return false;
        }
    }
    return hasText;
}

HWND FindMessageBox(const std::u16string& titlePart) {
    for (HWND window : VisibleTopLevelWindows()) {
        if (IsMessageBox(window) && Contains(WindowTitle(window), titlePart)) return window;
    }
    return nullptr;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindControl(HWND window, int id) {
    HWND hidden = nullptr;
    for (HWND child : Descendants(window)) {
        if (ShortId(child) != (id & 0xFFFF)) continue;
        if (IsWindowVisible(child)) return child;
        if (!hidden) hidden = child;
    }
    return hidden;
}

}  // namespace uidriver
