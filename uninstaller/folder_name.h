#pragma once
// The rule that keeps the uninstaller's folder removal inside what the product owns. The
// product folder and the Start Menu group are built as "<base>\<name>" from names read out of
// the registry, and their whole contents are then deleted, so a name must be proven to point
// strictly below its base before anything is emptied.

#include <string_view>

namespace uninstaller {

// True when `name` names a folder strictly below any base it is appended to: not empty,
// relative (no drive, no leading separator), without "..", without a character that Windows
// forbids in names (which also keeps wildcards and streams out), and with at least one real
// level (a name that is only separators, "." or dots and blanks would name the base itself,
// since Windows drops trailing dots and blanks).
bool IsSubfolderName(std::u16string_view name);

// True for "X:\..." and "\\server\..." paths, the only paths the uninstaller deletes files by.
bool IsFullPath(std::u16string_view path);

}  // namespace uninstaller
