#include "tools/uidriver/win/runner.h"

#include <windows.h>

#include <string>

#include "tools/uidriver/win/command_context.h"
#include "tools/uidriver/win/console.h"
#include "tools/uidriver/win/system_folders.h"

namespace uidriver {

namespace {

bool DoSleep(State&, const Command& c, std::string*) {
    Sleep(static_cast<DWORD>(c.numbers[0]));
    return true;
}

bool DoTimeout(State& state, const Command& c, std::string*) {
    state.timeoutMs = static_cast<DWORD>(c.numbers[0]);
    return true;
}

bool DoFolder(State&, const Command& c, std::string* error) {
    std::u16string path;
    if (!SystemFolder(c.text, &path)) {
        *error = "no system folder named " + Quoted(c.text);
        return false;
    }
    PrintText(path);
    return true;
}

const std::vector<NamedHandler>& RunCommands() {
    static const std::vector<NamedHandler> handlers = {
        {"sleep", DoSleep},
        {"timeout", DoTimeout},
        {"folder", DoFolder},
    };
    return handlers;
}

Handler HandlerOf(const CommandSpec& definition) {
    for (const auto* group :
         {&WindowCommands(), &ControlCommands(), &ListCommands(), &RunCommands()}) {
        for (const NamedHandler& named : *group) {
            if (std::string(named.name) == definition.name) return named.handler;
        }
    }
    return nullptr;
}

}  // namespace

int RunScript(const std::vector<Command>& commands) {
    State state;
    for (size_t i = 0; i < commands.size(); ++i) {
        const Command& command = commands[i];
        Handler handler = HandlerOf(*command.definition);
        std::string error = "the driver does not know how to run this command";
        if (!handler || !handler(state, command, &error)) {
            PrintError("uidriver: command " + std::to_string(i + 1) + " \"" + command.source +
                       "\": " + error);
            if (state.listWindows) PrintWindowList();
            return 1;
        }
    }
    return 0;
}

}  // namespace uidriver
