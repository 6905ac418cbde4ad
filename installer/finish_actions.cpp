#include "installer/finish_actions.h"

#include "installer/page_texts.h"

namespace installer {

void StartTerminal(const TerminalTarget& terminal) {
    os::ShellOpen(TerminalProgramPath(terminal.installFolder), TerminalStartParameters(terminal),
                  os::ShowMode::Maximized);
}

void StartPostExecutePrograms(const InstallSession& session) {
    for (size_t i = 0; i < session.postExecutePaths.size(); ++i) {
        const std::u16string parameters =
            i < session.postExecuteParameters.size() ? session.postExecuteParameters[i] : u"";
        os::ShellOpen(session.postExecutePaths[i], parameters, os::ShowMode::Maximized);
    }
}

}  // namespace installer
