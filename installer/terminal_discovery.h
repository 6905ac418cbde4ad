#pragma once
// Finding the MetaTrader 4 terminals of the machine, and what a folder picked by hand stands
// for: the rows of the folder page and the terminals of an unattended installation.

#include <vector>

#include "installer/terminal_target.h"
#include "os/os.h"

namespace installer {

// Every current terminal's data folder below "<profile>\AppData\Roaming\MetaQuotes\Terminal"
// of every user profile, in the order the folders list them. A data folder whose origin.txt
// names a folder without terminal.exe (an uninstalled terminal) is left out.
std::vector<TerminalTarget> ProfileDataFolders();

// What `folder` stands for, given the profiles' data folders:
// - an installation folder that data folders name: each of those data folders;
// - a classic terminal folder: itself;
// - a current terminal's data folder: itself;
// - a current installation folder that holds its own MQL4 tree and that no data folder names:
//   itself, as a portable terminal.
// Empty when it is none of these.
std::vector<TerminalTarget> TerminalsOfFolder(const os::Path& folder,
                                              const std::vector<TerminalTarget>& dataFolders);

// Appends the terminals that `rows` does not hold yet (one entry per data folder); true when
// one was appended.
bool AppendNewTerminals(const std::vector<TerminalTarget>& terminals,
                        std::vector<TerminalTarget>* rows);

// Every terminal of the machine, labelled: the terminals that the direct subfolders of Program
// Files stand for (in the order the folder lists them), then every profile data folder not
// found that way. One entry per data folder.
std::vector<TerminalTarget> DiscoverTerminals();

// Sets each row's label: a classic or portable terminal shows its folder as found or given; a
// current terminal its installation folder, followed by the user profile (in brackets) when
// another row has the same installation folder.
void LabelTerminals(std::vector<TerminalTarget>* rows);

enum class AddFolderOutcome {
    Added,          // appended to the rows, which are labelled anew
    AlreadyListed,  // every terminal it stands for is listed (a classic one by exactly this text)
    NotMetaTrader,  // the folder stands for no terminal; the page shows kInvalidFolderMessage
};
// Adds the terminals of a folder picked by hand to the candidate rows.
AddFolderOutcome AddCandidateFolder(const os::Path& folder, std::vector<TerminalTarget>* rows);

}  // namespace installer
