#pragma once
// What Finish starts: the chosen terminal and the programs marked to run after installing.
// Shared by the finish page and the unattended installation's "/RUN". Failures to start are
// not reported.

#include "installer/install_session.h"

namespace installer {

// Asks the shell to open the terminal's "terminal.exe", maximised, so that it uses the data
// folder the product went into.
void StartTerminal(const TerminalTarget& terminal);

// Opens every path of `session`'s post-execute list with its parameters, maximised, in order.
void StartPostExecutePrograms(const InstallSession& session);

}  // namespace installer
