// uidriver: drives the windows of another program, for end-to-end tests under Wine.
//
//   uidriver.exe COMMAND [COMMAND...]     each argument is one command line
//   uidriver.exe -f SCRIPT [COMMAND...]   commands from a UTF-8 file, one per line
//   uidriver.exe --help                   the list of commands
//
// Exit status: 0 when every command succeeded, 1 when one failed or timed out (the message is
// on standard error), 2 when the script cannot be read or parsed.

#include <windows.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "tools/uidriver/script.h"
#include "tools/uidriver/win/console.h"
#include "tools/uidriver/win/runner.h"
#include "widgets/win/handle.h"
#include "widgets/win/wide.h"

namespace {

constexpr int kScriptError = 2;

void PrintHelp() {
    uidriver::PrintLine(
        "usage: uidriver.exe [-f SCRIPT] [COMMAND...]\n"
        "Each argument is one command; a script file holds one per line ('#' starts a "
        "comment).\nTexts run to the end of the line; \\\\ \\n \\r \\t are escapes. Commands:");
    for (const uidriver::CommandSpec& definition : uidriver::Commands()) {
        uidriver::PrintLine("  " + std::string(definition.usage) + "\n      " + definition.help);
    }
}

bool ReadWholeFile(const wchar_t* path, std::string* content) {
    win::File file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > (1 << 24)) return false;
    content->resize(static_cast<size_t>(size.QuadPart));
    DWORD done = 0;
    if (!content->empty() && (!ReadFile(file.get(), &(*content)[0],
                                        static_cast<DWORD>(content->size()), &done, nullptr) ||
                              done != content->size())) {
        return false;
    }
    if (content->compare(0, 3, "\xEF\xBB\xBF") == 0) content->erase(0, 3);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<uidriver::Command> commands;
    for (int i = 1; i < argc; ++i) {
        std::u16string argument = win::U16(argv[i]);
        std::string error;
        if (argument == u"--help" || argument == u"-h" || argument == u"/?") {
            PrintHelp();
            return 0;
        }
        if (argument == u"-f") {
            if (i + 1 >= argc) {
                uidriver::PrintError("uidriver: -f needs a script file");
                return kScriptError;
            }
            const wchar_t* path = argv[++i];
            std::string script;
            std::vector<uidriver::Command> fromFile;
            if (!ReadWholeFile(path, &script)) {
                uidriver::PrintError("uidriver: cannot read " + text::ToUtf8(win::U16(path)));
                return kScriptError;
            }
            if (!uidriver::ParseScript(script, &fromFile, &error)) {
                uidriver::PrintError("uidriver: " + text::ToUtf8(win::U16(path)) + ", " + error);
                return kScriptError;
            }
            commands.insert(commands.end(), fromFile.begin(), fromFile.end());
            continue;
        }
        uidriver::Command command;
        if (!uidriver::ParseCommand(text::ToUtf8(argument), &command, &error)) {
            uidriver::PrintError("uidriver: argument " + std::to_string(i) + ": " + error);
            return kScriptError;
        }
        commands.push_back(std::move(command));
    }
    if (commands.empty()) {
        uidriver::PrintError("uidriver: no commands (try --help)");
        return kScriptError;
    }
    return uidriver::RunScript(commands);
}
