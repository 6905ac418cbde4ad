#pragma once
// Reading and changing the controls of another process. Messages the system carries across
// processes (WM_GETTEXT, WM_SETTEXT, LB_GETTEXT, CB_GETLBTEXT) are sent directly; list-view
// messages go through RemoteMemory. Every function returns false when the control did not
// answer within a few seconds or the operation failed.

#include <windows.h>

#include <string>

namespace uidriver {

// Sends a message, waiting at most `timeoutMs`. False when the window did not answer in time.
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result = nullptr, UINT timeoutMs = 5000);

bool ReadText(HWND control, std::u16string* text);
bool WriteText(HWND control, const std::u16string& text);

enum class ListKind { None, ListBox, ComboBox, ListView };
ListKind KindOfList(HWND control);

bool ItemCount(HWND list, int* count);
// Item `index` of a list box or combo box, or the first column of row `index` of a list view.
bool ItemText(HWND list, int index, std::u16string* text);
// -1 when nothing is selected.
bool SelectedItem(HWND list, int* index);
// Selects the item and tells the parent as a user's choice would (LBN_SELCHANGE or
// CBN_SELCHANGE; a list view sends its own LVN_ITEMCHANGED).
bool SelectItem(HWND list, int index);

// The tick box of a list-view row (the state image: 1 unticked, 2 ticked). The list view
// sends its parent LVN_ITEMCHANGING and LVN_ITEMCHANGED as for a click on the box.
bool SetRowTicked(HWND listView, int row, bool ticked);
bool IsRowTicked(HWND listView, int row, bool* ticked);
// The row's text rectangle in the list view's client coordinates.
bool RowLabelRect(HWND listView, int row, RECT* rect);

}  // namespace uidriver
