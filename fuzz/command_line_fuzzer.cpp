// The tessark command line from outside: zero bytes split the input into arguments (UTF-8, as
// the program receives them). The line is parsed without running the command; the value
// parsers of "set", "add" and "remove" then take their arguments as the commands would, on a
// project that must still fit a project file afterwards.
#include <cstdint>
#include <string>
#include <vector>

#include "base/text.h"
#include "builder/project/project_record.h"
#include "cli/command.h"
#include "cli/project_fields.h"
#include "fuzz/fuzz_machine.h"

namespace {

std::vector<std::u16string> Arguments(const uint8_t* data, size_t size) {
    std::vector<std::u16string> args;
    std::string current;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            current.push_back(static_cast<char>(data[i]));
            continue;
        }
        args.push_back(text::FromUtf8(current));
        current.clear();
    }
    if (size > 0) args.push_back(text::FromUtf8(current));
    return args;
}

void CheckValues(const cli::CommandLine& line) {
    const std::vector<std::u16string>& positional = line.arguments.positional;
    if (line.command == u"add" || line.command == u"remove") {
        project::CategoryId category;
        if (cli::ParseCategory(positional[1], &category)) {
            FUZZ_CHECK(static_cast<int>(category) >= 0 &&
                       static_cast<int>(category) < project::kCategoryCount);
            FUZZ_CHECK(cli::CategoryName(category) == positional[1] ||
                       text::FromInt(static_cast<int>(category)) == positional[1]);
        }
    }
    if (line.command != u"set") return;
    const cli::ProjectField* field = cli::FindProjectField(positional[1]);
    if (field == nullptr) return;
    project::ProjectModel model;
    project::ResetProject(&model);
    const project::ProjectModel before = model;
    const std::u16string error = cli::SetProjectField(&model, *field, positional[2]);
    if (!error.empty()) {
        FUZZ_CHECK(project::EncodeProjectRecord(model) == project::EncodeProjectRecord(before));
        return;
    }
    // What "set" accepts, a project file holds whole.
    FUZZ_CHECK(project::FieldsCutInRecord(model).empty());
    cli::ShowProjectField(model, *field);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // "set" reads .rtf files: only the fake machine may answer.
    fuzz::FreshMachine();
    const cli::CommandLine line = cli::ParseCommandLine(Arguments(data, size));
    using Action = cli::CommandLine::Action;
    switch (line.action) {
        case Action::UsageError:
            FUZZ_CHECK(!line.error.empty());
            break;
        case Action::CommandHelp:
            FUZZ_CHECK(!line.command.empty());
            break;
        case Action::Run:
            FUZZ_CHECK(!line.command.empty() && line.error.empty());
            for (const auto& option : line.arguments.options) {
                FUZZ_CHECK(option.first.size() >= 2 && option.first[0] == u'-');
            }
            CheckValues(line);
            break;
        case Action::Overview:
        case Action::Version:
            break;
    }
    return 0;
}
