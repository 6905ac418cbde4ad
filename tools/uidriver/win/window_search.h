#pragma once
// Finding the windows of other processes: top-level windows by title, message boxes, and
// controls by identifier anywhere below a window.

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

// The title as the system keeps it; never waits for a hung window.
std::u16string WindowTitle(HWND window);
std::u16string WindowClass(HWND window);

// Visible top-level windows, topmost first.
std::vector<HWND> VisibleTopLevelWindows();

// The topmost visible top-level window whose title contains `titlePart`; nullptr if none.
HWND FindTopLevelWindow(const std::u16string& titlePart);

// A message box: a dialog whose controls are only its message text (identifier 65535), an
// icon and the standard buttons (IDOK to IDCONTINUE).
bool IsMessageBox(HWND window);
// The topmost visible message box whose title contains `titlePart` (any when empty).
HWND FindMessageBox(const std::u16string& titlePart);

// The control with identifier `id` (compared in its low 16 bits, so -1 and 65535 are the same)
// among all descendants of `window`; a visible one is preferred. nullptr if none.
HWND FindControl(HWND window, int id);

// Every descendant of `window`, in the order the system lists them.
std::vector<HWND> Descendants(HWND window);

}  // namespace uidriver
