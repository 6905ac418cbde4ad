#pragma once
// Real keyboard and mouse input (SendInput), as a user's would arrive: to the foreground window
// and the control that has the focus, or to the window under the mouse.

#include <windows.h>

#include <string>

namespace uidriver {

// Makes `window` the foreground window; false when it did not become it within a second.
bool BringToFront(HWND window);

// A left click at `point` in `window`'s client coordinates.
bool MouseClick(HWND window, POINT point);

// Moves the mouse to `point` in `window`'s client coordinates and turns the wheel `notches`
// notches away from the user (negative: towards the user).
bool MouseWheel(HWND window, POINT point, int notches);

// Presses the keys of `keys`: chords separated by blanks, each a key name with optional
// modifiers joined by "+" ("ENTER", "ALT+N", "CTRL+SHIFT+S", "TAB TAB SPACE"). Names: A-Z,
// 0-9, F1-F24, ENTER, ESC, TAB, SPACE, BACKSPACE, DELETE, INSERT, HOME, END, PGUP, PGDN, LEFT,
// RIGHT, UP, DOWN; modifiers ALT, CTRL, SHIFT. False with `error` set for an unknown name.
bool PressKeys(const std::u16string& keys, std::string* error);

// Types the characters of `text` (as Unicode input, whatever the keyboard layout).
bool TypeText(const std::u16string& text);

// Gives the process that owns `window` time to handle the input sent to it.
void WaitUntilIdle(HWND window);

}  // namespace uidriver
