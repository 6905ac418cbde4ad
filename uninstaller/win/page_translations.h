#pragma once
// The uninstaller's language: the texts the setup wrote into it, and which control of which
// page shows which of them.

#include <windows.h>

namespace uninstaller {

// Uses the texts the setup left among the program's resources, if any; English otherwise.
void UseOwnTexts();

// Gives the page made from `templateId` its texts in the language in use.
void TranslatePage(HWND page, int templateId);

}  // namespace uninstaller
