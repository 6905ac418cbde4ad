#include "tools/uidriver/win/control_access.h"

#include <commctrl.h>

#include <vector>

#include "tools/uidriver/win/remote_memory.h"
#include "tools/uidriver/win/window_search.h"
#include "widgets/win/wide.h"

namespace uidriver {

namespace {

// Longest list-view cell read back.
constexpr int kCellChars = 4096;

bool ClassIs(HWND window, const char16_t* name) {
    std::u16string cls = WindowClass(window);
    if (cls.size() != std::char_traits<char16_t>::length(name)) return false;
    for (size_t i = 0; i < cls.size(); ++i) {
        char16_t a = cls[i], b = name[i];
        if (a >= u'A' && a <= u'Z') a = a - u'A' + u'a';
        if (b >= u'A' && b <= u'Z') b = b - u'A' + u'a';
        if (a != b) return false;
    }
    return true;
}

bool ListViewCount(HWND list, int* count) {
    LRESULT n = 0;
    if (!SendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0, &n)) return false;
    *count = static_cast<int>(n);
    return true;
}

bool ListViewText(HWND list, int row, std::u16string* text) {
    RemoteMemory memory;
    const size_t textOffset = sizeof(LVITEMW);
    if (!memory.Allocate(list, textOffset + kCellChars * sizeof(wchar_t))) return false;
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = static_cast<wchar_t*>(memory.At(textOffset));
    item.cchTextMax = kCellChars;
    if (!memory.Write(0, &item, sizeof(item))) return false;
    LRESULT length = 0;
    if (!SendWithTimeout(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(memory.address()), &length)) {
        return false;
    }
    if (length < 0 || length >= kCellChars) length = 0;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    if (length > 0 && !memory.Read(textOffset, buffer.data(), length * sizeof(wchar_t))) {
        return false;
    }
    *text = win::U16(buffer.data(), static_cast<size_t>(length));
    return true;
}

bool ListViewSetState(HWND list, int row, UINT state, UINT mask) {
    RemoteMemory memory;
    if (!memory.Allocate(list, sizeof(LVITEMW))) return false;
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    if (!memory.Write(0, &item, sizeof(item))) return false;
    LRESULT done = 0;
    if (SendWithTimeout(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(memory.address()), &done, 1000)) {
        return done != 0;
    }
    // The parent may answer the change notification with a dialog of its own; the change is
    // then made but the answer comes late.
    return GetLastError() == ERROR_TIMEOUT;
}

}  // namespace

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                     UINT timeoutMs) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs,
                             &answer)) {
        return false;
    }
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

bool ReadText(HWND control, std::u16string* text) {
    LRESULT length = 0;
    if (!SendWithTimeout(control, WM_GETTEXTLENGTH, 0, 0, &length)) return false;
    if (length < 0) length = 0;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2);
    LRESULT copied = 0;
    if (!SendWithTimeout(control, WM_GETTEXT, buffer.size(),
                         reinterpret_cast<LPARAM>(buffer.data()), &copied)) {
        return false;
    }
    if (copied < 0 || static_cast<size_t>(copied) >= buffer.size()) copied = 0;
    *text = win::U16(buffer.data(), static_cast<size_t>(copied));
    return true;
}

bool WriteText(HWND control, const std::u16string& text) {
    LRESULT done = 0;
    return SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win::W(text)), &done) &&
           done != 0;
}

ListKind KindOfList(HWND control) {
    if (ClassIs(control, u"ListBox")) return ListKind::ListBox;
    if (ClassIs(control, u"ComboBox")) return ListKind::ComboBox;
    if (ClassIs(control, u"SysListView32")) return ListKind::ListView;
    return ListKind::None;
}

bool ItemCount(HWND list, int* count) {
    LRESULT n = 0;
    switch (KindOfList(list)) {
        case ListKind::ListBox:
            if (!SendWithTimeout(list, LB_GETCOUNT, 0, 0, &n) || n < 0) return false;
            break;
        case ListKind::ComboBox:
            if (!SendWithTimeout(list, CB_GETCOUNT, 0, 0, &n) || n < 0) return false;
            break;
        case ListKind::ListView:
            return ListViewCount(list, count);
        case ListKind::None:
            return false;
    }
    *count = static_cast<int>(n);
    return true;
}

bool ItemText(HWND list, int index, std::u16string* text) {
    ListKind kind = KindOfList(list);
    if (kind == ListKind::ListView) return ListViewText(list, index, text);
    if (kind == ListKind::None) return false;
    const bool isListBox = kind == ListKind::ListBox;
    LRESULT length = 0;
    if (!SendWithTimeout(list, isListBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, index, 0, &length) ||
        length < 0) {
        return false;
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    LRESULT copied = 0;
    if (!SendWithTimeout(list, isListBox ? LB_GETTEXT : CB_GETLBTEXT, index,
                         reinterpret_cast<LPARAM>(buffer.data()), &copied) ||
        copied < 0 || copied > length) {
        return false;
    }
    *text = win::U16(buffer.data(), static_cast<size_t>(copied));
    return true;
}

bool SelectedItem(HWND list, int* index) {
    LRESULT n = -1;
    switch (KindOfList(list)) {
        case ListKind::ListBox:
            if (!SendWithTimeout(list, LB_GETCURSEL, 0, 0, &n)) return false;
            break;
        case ListKind::ComboBox:
            if (!SendWithTimeout(list, CB_GETCURSEL, 0, 0, &n)) return false;
            break;
        case ListKind::ListView:
            if (!SendWithTimeout(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED,
                                 &n)) {
                return false;
            }
            break;
        case ListKind::None:
            return false;
    }
    *index = n < 0 ? -1 : static_cast<int>(n);
    return true;
}

bool SelectItem(HWND list, int index) {
    int count = 0;
    if (!ItemCount(list, &count) || index >= count) return false;
    ListKind kind = KindOfList(list);
    if (kind == ListKind::ListView) {
        return ListViewSetState(list, index, LVIS_SELECTED | LVIS_FOCUSED,
                                LVIS_SELECTED | LVIS_FOCUSED);
    }
    const bool isListBox = kind == ListKind::ListBox;
    LRESULT selected = 0;
    if (!SendWithTimeout(list, isListBox ? LB_SETCURSEL : CB_SETCURSEL, index, 0, &selected) ||
        selected != index) {
        return false;
    }
    HWND parent = GetParent(list);
    WPARAM command = MAKEWPARAM(GetDlgCtrlID(list), isListBox ? LBN_SELCHANGE : CBN_SELCHANGE);
    SendWithTimeout(parent, WM_COMMAND, command, reinterpret_cast<LPARAM>(list), nullptr, 1000);
    return true;
}

bool SetRowTicked(HWND listView, int row, bool ticked) {
    int count = 0;
    if (!ListViewCount(listView, &count) || row >= count) return false;
    return ListViewSetState(listView, row, INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1),
                            LVIS_STATEIMAGEMASK);
}

bool IsRowTicked(HWND listView, int row, bool* ticked) {
    int count = 0;
    if (!ListViewCount(listView, &count) || row >= count) return false;
    LRESULT state = 0;
    if (!SendWithTimeout(listView, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK,
                         &state)) {
        return false;
    }
    *ticked = ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == 2;
    return true;
}

bool RowLabelRect(HWND listView, int row, RECT* rect) {
    RemoteMemory memory;
    if (!memory.Allocate(listView, sizeof(RECT))) return false;
    RECT request = {};
    request.left = LVIR_LABEL;
    if (!memory.Write(0, &request, sizeof(request))) return false;
    LRESULT found = 0;
    if (!SendWithTimeout(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(memory.address()), &found) ||
        !found) {
        return false;
    }
    return memory.Read(0, rect, sizeof(*rect));
}

}  // namespace uidriver
