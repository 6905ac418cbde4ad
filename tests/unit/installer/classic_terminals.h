#pragma once
// Classic terminals in the given folders, as the folder page would have them.

#include <initializer_list>
#include <vector>

#include "installer/terminal_target.h"

inline std::vector<installer::TerminalTarget> ClassicTerminals(
    std::initializer_list<os::Path> folders) {
    std::vector<installer::TerminalTarget> terminals;
    for (const os::Path& folder : folders) {
        terminals.push_back(
            installer::OwnFolderTerminal(installer::TerminalLayout::Classic, folder));
    }
    return terminals;
}
