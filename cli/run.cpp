// The command table, help texts and dispatch of tessark.
#include <cstddef>

#include "base/text.h"
#include "cli/command.h"
#include "cli/console.h"

#ifndef TESSARK_VERSION
#define TESSARK_VERSION "unknown"
#endif

namespace cli {

namespace {

struct Command {
    const char16_t* name;
    const char16_t* usage;    // the arguments after "tessark NAME"
    const char16_t* summary;  // one line for "tessark --help"
    const char16_t* details;  // the rest of "tessark NAME --help"
    std::vector<OptionSpec> options;
    size_t minPositional;
    size_t maxPositional;  // SIZE_MAX: any number
    int (*run)(const ParsedArguments&);
};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {u"build",
         u"PROJECT [-o SETUP.exe] [--stub EXTRACTOR.exe] [--jobs N] [--language TAG]",
         u"build the setup executable of a project",
         u"  -o SETUP.exe          the setup executable to write; without it, the project's\n"
         u"                        target file\n"
         u"  --stub EXTRACTOR.exe  the installer program the setup starts with; without it, the\n"
         u"                        one this tessark carries\n"
         u"  --jobs N              files compressed at once, 1 to 64; without it, one per\n"
         u"                        processor (at most 16). The setup is the same for every N.\n"
         u"  --language TAG        the one language the setup shows, whatever the user's: en,\n"
         u"                        ru, zh-CN, zh-TW, ja, ko, es, pt-BR, de, fr, it, tr, id, pl,\n"
         u"                        vi. Without it, the project's language, else the language of\n"
         u"                        the user's Windows where the setup has it, else English.\n"
         u"\n"
         u"PROJECT is a .eas project or a .toml text project. Paths in the project that are not\n"
         u"absolute are taken from the project file's folder; the -o path from the current\n"
         u"folder. The same project and files give the same setup, byte for byte, wherever and\n"
         u"whenever it is built. A terminal shows a progress bar.\n",
         {{u"-o", true}, {u"--stub", true}, {u"--jobs", true}, {u"--language", true}},
         1,
         1,
         RunBuild},
        {u"list",
         u"SETUP.exe | PROJECT.toml",
         u"show the project strings, options and files of a setup",
         u"Shows the project strings, the expert options and the file table (index, name,\n"
         u"destination, shortcut, parameters, flags, size, packed size and offset). An empty\n"
         u"text shows as \"-\". A setup signed after it was built is read as well.\n"
         u"Given a text project, shows the files its setup's table will hold after the five\n"
         u"entries every setup has, each folder entry expanded into its files.\n",
         {},
         1,
         1,
         RunList},
        {u"extract",
         u"SETUP.exe DIR [INDEX...]",
         u"write the files of a setup into a folder",
         u"Writes every packaged file, or those with the given table indices (see \"tessark\n"
         u"list\"), into DIR under its own name. DIR is created when it is missing.\n",
         {},
         2,
         SIZE_MAX,
         RunExtract},
        {u"verify",
         u"SETUP.exe",
         u"check every packaged file of a setup",
         u"Inflates every packaged file and checks its stream, its sizes and its place in the\n"
         u"package. Exit status 0 when the package is sound, 1 when it is not.\n",
         {},
         1,
         1,
         RunVerify},
        {u"new",
         u"PROJECT.eas|PROJECT.toml [--toml] [--force]",
         u"create a project with the New Project values",
         u"  --toml   write a text project, a commented TOML file, whatever the name's\n"
         u"           extension (a name ending in .toml always gets one)\n"
         u"  --force  replace an existing file\n",
         {{u"--toml", false}, {u"--force", false}},
         1,
         1,
         RunNew},
        {u"convert",
         u"FROM TO [--force]",
         u"turn a .eas project into a .toml text project, or back",
         u"  --force  replace existing files\n"
         u"\n"
         u"One of FROM and TO ends in .toml. Everything the project holds carries over: a\n"
         u".eas converted to .toml and back is the same file, byte for byte. The license,\n"
         u"readme and what's-new texts go into .rtf files beside the .toml, named after it\n"
         u"(Product-license.rtf, ...); a text an .rtf file cannot hold exactly is written into\n"
         u"the .toml. Relative paths are rewritten when TO lies in another folder, so that they\n"
         u"name the same files.\n",
         {{u"--force", false}},
         2,
         2,
         RunConvert},
        {u"show",
         u"PROJECT",
         u"show the fields and files of a project",
         u"Shows every field under the name \"tessark set\" takes, then the files of the six\n"
         u"categories. PROJECT is a .eas project or a .toml text project.\n",
         {},
         1,
         1,
         RunShow},
        {u"set",
         u"PROJECT.eas FIELD VALUE",
         u"change a field of a project",
         u"Fields:\n"
         u"  productName, productDirectory, startMenuGroup, publisher, publisherAddress,\n"
         u"  contactName, contactEmail (at most 63 characters), productUrl (127)\n"
         u"  version                  four numbers, such as 1.2.3.4\n"
         u"  enableExperts, disableOnAccountChange, disableOnProfileChange, allowLiveTrading,\n"
         u"  askManualConfirmation, allowDllImports, confirmDllCalls, allowExternalImports\n"
         u"                           0 off, 1 on, 2 leave the user's setting unchanged\n"
         u"  iconPath, bannerPath     an .ico or picture file; \"\" for the built-in one\n"
         u"  targetFile               the setup executable \"tessark build\" writes\n"
         u"  licenseRtf, readmeRtf, whatsNewRtf\n"
         u"                           the path of an .rtf file (from the current folder) whose\n"
         u"                           text is stored; \"\" for no text (the installer then skips\n"
         u"                           that page)\n"
         u"Use \"--\" before a VALUE that starts with \"-\".\n",
         {},
         3,
         3,
         RunSet},
        {u"add",
         u"PROJECT.eas CATEGORY FILE...",
         u"add files to a category of a project",
         u"CATEGORY is experts, indicators, scripts, sounds, dlls or other, or its number 0 to 5.\n"
         u"A category holds at most 10 files. A FILE that is not absolute is taken from the\n"
         u"project file's folder, and stored as given. Files of \"other\" go to \"{app}\"; see\n"
         u"\"tessark entry\".\n",
         {},
         3,
         SIZE_MAX,
         RunAdd},
        {u"remove",
         u"PROJECT.eas CATEGORY FILE...",
         u"remove files from a category of a project",
         u"Each FILE is given exactly as \"tessark show\" lists it.\n",
         {},
         3,
         SIZE_MAX,
         RunRemove},
        {u"entry",
         u"PROJECT.eas FILE [--destination DIR] [--shortcut NAME] [--parameters TEXT]\n"
         u"                    [--only-if-newer yes|no] [--never-uninstall yes|no]\n"
         u"                    [--autostart yes|no] [--post-execute yes|no]",
         u"set where an Other Files entry goes and what the installer does with it",
         u"  --destination DIR   the folder, usually led by {app}, {desktop}, {mydocuments},\n"
         u"                      {windir}, {winsysdir}, {bootdir} or {metatrader}\n"
         u"  --shortcut NAME     the Start Menu shortcut to make; \"\" for none\n"
         u"  --parameters TEXT   the shortcut's command-line parameters\n"
         u"  --only-if-newer, --never-uninstall, --autostart, --post-execute yes|no\n"
         u"                      the four flags (autostart: a Startup shortcut; post execute:\n"
         u"                      started when the installation ends)\n"
         u"FILE is the entry's file as \"tessark show\" lists it.\n",
         {{u"--destination", true},
          {u"--shortcut", true},
          {u"--parameters", true},
          {u"--only-if-newer", true},
          {u"--never-uninstall", true},
          {u"--autostart", true},
          {u"--post-execute", true}},
         2,
         2,
         RunEntry},
    };
    return commands;
}

const Command* FindCommand(std::u16string_view name) {
    for (const Command& command : Commands()) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

void PrintOverview() {
    std::u16string text =
        u"tessark: builds Windows setup executables for MetaTrader 4 add-ons from Tessark\n"
        u"projects, text projects (.toml) or .eas files, and inspects them.\n\n"
        u"Usage: tessark COMMAND ARGUMENTS...\n\n"
        u"Commands:\n";
    for (const Command& command : Commands()) {
        std::u16string name = command.name;
        name.resize(10, u' ');
        text += u"  " + name + command.summary + u"\n";
    }
    text +=
        u"\n\"tessark COMMAND --help\" tells more about a command; \"tessark --version\" the\n"
        u"version.\n\nExit status: 0 success; 1 the command failed (a file is missing, unreadable\n"
        u"or damaged, the build stopped, a package is not sound); 2 the command line is wrong.\n";
    console::Out(text);
}

void PrintCommandHelp(const Command& command) {
    std::u16string summary = command.summary;
    if (summary[0] >= u'a' && summary[0] <= u'z') summary[0] = summary[0] - u'a' + u'A';
    console::Out(text::Format(u"Usage: tessark %s %s\n\n%s.\n\n%s",
                              {command.name, command.usage, summary, command.details}));
}

int GlobalUsageError(std::u16string_view message) {
    console::Err(u"tessark: " + std::u16string(message) + u" (see \"tessark --help\")\n");
    return kExitUsage;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::u16string>& args) {
    CommandLine line;
    if (args.empty()) {
        line.error = u"no command given";
        return line;
    }
    const std::u16string& first = args[0];
    if (first == u"--help" || first == u"-h" || (first == u"help" && args.size() == 1)) {
        line.action = CommandLine::Action::Overview;
        return line;
    }
    if (first == u"--version") {
        line.action = CommandLine::Action::Version;
        return line;
    }
    const bool helpOnly = first == u"help";
    const std::u16string& name = helpOnly ? args[1] : first;
    const Command* command = FindCommand(name);
    if (command == nullptr) {
        line.error = u"unknown command " + name;
        return line;
    }
    line.command = command->name;
    if (helpOnly) {
        line.action = CommandLine::Action::CommandHelp;
        return line;
    }

    const std::vector<std::u16string> rest(args.begin() + 1, args.end());
    if (!ParseArguments(rest, command->options, &line.arguments, &line.error)) return line;
    if (line.arguments.help) {
        line.action = CommandLine::Action::CommandHelp;
        return line;
    }
    const size_t count = line.arguments.positional.size();
    if (count < command->minPositional) {
        line.error = u"missing arguments";
    } else if (count > command->maxPositional) {
        line.error = u"too many arguments";
    } else {
        line.action = CommandLine::Action::Run;
    }
    return line;
}

int Run(const std::vector<std::u16string>& args) {
    const CommandLine line = ParseCommandLine(args);
    const Command* command = line.command.empty() ? nullptr : FindCommand(line.command);
    switch (line.action) {
        case CommandLine::Action::Overview:
            PrintOverview();
            return kExitOk;
        case CommandLine::Action::Version:
            Print(u"tessark " + text::FromUtf8(TESSARK_VERSION));
            return kExitOk;
        case CommandLine::Action::CommandHelp:
            PrintCommandHelp(*command);
            return kExitOk;
        case CommandLine::Action::Run:
            return command->run(line.arguments);
        case CommandLine::Action::UsageError:
            break;
    }
    if (command == nullptr) return GlobalUsageError(line.error);
    return UsageError(command->name, line.error);
}

}  // namespace cli
