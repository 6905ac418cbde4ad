#pragma once
// Which control of which setup page shows which message.

#include <windows.h>

namespace installer {

// Gives the page made from `templateId` its texts in the language in use.
void TranslatePage(HWND page, int templateId);

}  // namespace installer
