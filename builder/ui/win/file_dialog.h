#pragma once
// The standard file-open dialog as the builder's widgets use it. Filters are written in the
// usual pairs of description and pattern separated by vertical bars and ended by two bars
// ("JPG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||"); a default extension may be given as
// "*.jpg" or "jpg".

#include <windows.h>

#include <string>
#include <vector>

// One existing file; false when the user cancelled (or the dialog failed).
bool ChooseFileToOpen(HWND owner, const std::u16string& filter, const std::u16string& defaultExt,
                      std::u16string* path);

// A file to write; the dialog asks before an existing file is replaced. False when the user
// cancelled (or the dialog failed).
bool ChooseFileToSave(HWND owner, const std::u16string& filter, const std::u16string& defaultExt,
                      std::u16string* path);

// Several existing files, in the dialog's order, with a name buffer of `bufferUnits`
// characters; false when the user cancelled (or the choice did not fit the buffer).
bool ChooseFilesToOpen(HWND owner, const std::u16string& filter, size_t bufferUnits,
                       std::vector<std::u16string>* paths);
