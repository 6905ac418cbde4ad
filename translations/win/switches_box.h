#pragma once
// The message box that "/?" shows.

namespace translations {

// Shows `translated`, or where it is null `english` (ASCII), with `caption`.
void ShowSwitchesBox(const char16_t* translated, const char* english, const char16_t* caption);

}  // namespace translations
