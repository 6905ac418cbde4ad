#pragma once
// The rule for the product folder and Start Menu group names a package carries. Both become
// "<base>\<name>" (below Program Files and below the Programs folder); the uninstaller deletes
// their whole contents, so it uses a name only when it is proven to point strictly below its
// base, and the build refuses a project whose names the uninstaller would refuse.

#include <string_view>

namespace package {

// True when `name` names a folder strictly below any base it is appended to: not empty,
// relative (no drive, no leading separator), without "..", without a character that Windows
// forbids in names (which also keeps wildcards and streams out), and with at least one real
// level (a name that is only separators, "." or dots and blanks would name the base itself,
// since Windows drops trailing dots and blanks).
bool IsSubfolderName(std::u16string_view name);

// True for "X:\..." and "\\server\..." paths, the only paths the uninstaller deletes files by.
bool IsFullPath(std::u16string_view path);

// True for a full path to a folder written the one way it is kept: "X:\" alone, or "X:\" or
// "\\" followed by names parted by single backslashes, with no backslash at the end, and no
// character that Windows forbids in names (control characters, < > : " | ? *; the drive's
// colon aside). Forward slashes are refused: the caller turns them into backslashes first.
bool IsFolderPath(std::u16string_view path);

}  // namespace package
