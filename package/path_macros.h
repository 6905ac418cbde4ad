#pragma once
// Path macros: the tokens that lead a record's destination and stand for folders of the
// user's machine, and how a destination becomes a real folder.

#include <string>
#include <string_view>

#include "os/os.h"

namespace package {

constexpr std::u16string_view kMacroApp = u"{app}";  // Program Files \ productDirectory
constexpr std::u16string_view kMacroDesktop = u"{desktop}";
constexpr std::u16string_view kMacroMyDocuments = u"{mydocuments}";
constexpr std::u16string_view kMacroWindows = u"{windir}";
constexpr std::u16string_view kMacroSystem = u"{winsysdir}";
constexpr std::u16string_view kMacroBoot = u"{bootdir}";           // the system drive, such as "C:"
constexpr std::u16string_view kMacroMetaTrader = u"{metatrader}";  // each chosen terminal

enum class Expansion {
    Folder,      // `folder` holds the folder
    MetaTrader,  // a "{metatrader}" destination: see MetaTraderFolder
    Failed,      // the folder cannot be known; nothing may be written for the record
};

// Expands `destination`. The first token it contains (in the order above) decides, and that
// token's folder replaces the destination's first characters, as many as the token is long:
// tokens are meant to lead. An empty destination is `defaultFolder` (which ends with a
// backslash); anything else is used as it stands. A "{metatrader}" destination fails without
// MetaTrader folders, so nothing lands relative to the current directory.
Expansion ExpandDestination(const std::u16string& destination,
                            const std::u16string& productDirectory, const os::Path& defaultFolder,
                            bool haveMetaTraderFolders, os::Path* folder);

// True when ExpandDestination takes `destination` into every chosen MetaTrader folder: it
// names "{metatrader}" and none of the folder tokens, which come first.
bool IsMetaTraderDestination(std::u16string_view destination);

// The copy of a "{metatrader}" destination inside one terminal folder.
os::Path MetaTraderFolder(const os::Path& terminalFolder, const std::u16string& destination);

// `base` + "\" + `subfolder`, created if missing; `base` itself for an empty subfolder.
bool KnownFolderWithSub(os::KnownFolder base, const std::u16string& subfolder, os::Path* path);

// The product's folder below Program Files, created if missing.
bool ProductFolder(const std::u16string& productDirectory, os::Path* path);

}  // namespace package
