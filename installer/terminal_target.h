#pragma once
// A MetaTrader 4 terminal the product is installed into, in either of the two layouts the
// terminal has had:
//
//   classic   (before build 600) terminal.exe beside "experts", "sounds" and "config"; every
//             program lives below "experts". Installation folder and data folder are one.
//   current   (build 600 on) the programs live in an MQL4 tree inside a data folder: normally
//             "<profile>\AppData\Roaming\MetaQuotes\Terminal\<instance id>", whose "origin.txt"
//             names the installation folder; sounds stay in the installation folder's "Sounds".
//   portable  a current terminal started with /portable: its data folder is its installation
//             folder.
//
// Folder names are compared without regard to letter case, as Windows does.

#include <string>
#include <vector>

#include "os/os.h"
#include "os/path_text.h"

namespace installer {

enum class TerminalLayout { Classic, Current, Portable };

struct TerminalTarget {
    TerminalLayout layout = TerminalLayout::Classic;
    os::Path installFolder;  // holds terminal.exe
    os::Path dataFolder;     // holds the programs' tree; the installation folder unless Current
    std::u16string profile;  // Current: the name of the user profile holding the data folder
    std::u16string label;    // what the folder list shows for it
};

// A classic or portable terminal whose installation and data folder is `folder`, labelled with
// it as given.
TerminalTarget OwnFolderTerminal(TerminalLayout layout, const os::Path& folder);

// The classic folder test: a file "terminal.exe" and the folders "experts", "sounds" and
// "config" directly in `folder` (other entries do not matter; an unlistable folder fails).
bool IsMetaTraderFolder(const os::Path& folder);

// The installation folder that a data folder's "origin.txt" names (UTF-16LE, with or without a
// byte-order mark, the first line only, without trailing blanks and backslashes); false when
// the file is missing, unreadable or names nothing.
bool ReadOriginFile(const os::Path& dataFolder, os::Path* installFolder);

// A current terminal's data folder: it holds "MQL4" and an "origin.txt" naming a folder that
// holds "terminal.exe". `*target` gets the layout Current and both folders (the profile name
// is the caller's to fill in).
bool RecogniseDataFolder(const os::Path& folder, TerminalTarget* target);

// A current terminal's installation folder that holds its own data: "terminal.exe", "config"
// and "MQL4" directly in it.
bool HoldsPortableData(const os::Path& folder);

// The shell's parameters that start the terminal so that it uses the data folder the product
// went into: "/portable" for a portable terminal, nothing otherwise.
const char16_t* TerminalStartParameters(const TerminalTarget& target);

}  // namespace installer
