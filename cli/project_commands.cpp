// tessark new, show, set, add, remove and entry: editing a project file from a script. Each
// command opens the project, changes the model, and saves it only when every change was good.
// A text project is shown, but changed in an editor: writing it back would drop its comments.
#include <algorithm>

#include "base/text.h"
#include "builder/project/file_categories.h"
#include "cli/command.h"
#include "cli/file_bytes.h"
#include "cli/paths.h"
#include "cli/project_fields.h"
#include "cli/project_io.h"
#include "cli/text_project/text_project.h"

namespace cli {

namespace {

using project::CategoryId;
using project::ProjectModel;

std::u16string Padded(std::u16string text, size_t width) {
    if (text.size() < width) text.resize(width, u' ');
    return text;
}

std::u16string ShownText(const std::u16string& text) {
    return text.empty() ? u"\"\"" : text;
}

void ShowFiles(const ProjectModel& model) {
    for (int c = 0; c < project::kCategoryCount; ++c) {
        const auto category = static_cast<CategoryId>(c);
        const size_t count = project::FileCount(model, category);
        Print(text::Format(u"%s (%d)", {CategoryName(category), text::FromInt(count)}));
        for (size_t i = 0; i < count; ++i) {
            if (category != CategoryId::OtherFiles) {
                Print(u"  " + model.paths[c][i]);
                continue;
            }
            const project::FileEntry& entry = model.otherFiles[i];
            Print(u"  " + entry.fileName);
            Print(
                text::Format(u"    destination=%s shortcut=%s parameters=%s onlyIfNewer=%s "
                             u"neverUninstall=%s autostart=%s postExecute=%s",
                             {ShownText(entry.destination), ShownText(entry.shortcut),
                              ShownText(entry.parameters), ShownText(entry.onlyIfNewer),
                              ShownText(entry.neverUninstall), ShownText(entry.autostart),
                              ShownText(entry.postExecute)}));
        }
    }
}

// Checks that `file` exists, taking a relative path from the project's folder as the build
// will.
std::u16string CheckSourceFile(const os::Path& projectFolder, const std::u16string& file) {
    const os::Path resolved = ResolveAgainst(projectFolder, file);
    switch (os::GetPathKind(resolved)) {
        case os::PathKind::File:
            return {};
        case os::PathKind::Folder:
            return text::Format(u"%s is a folder, not a file", {resolved});
        default:
            break;
    }
    std::u16string message = text::Format(u"no such file: %s", {resolved});
    if (resolved != file) message += u" (a relative path is taken from the project's folder)";
    return message;
}

bool ParseCategoryArgument(const std::u16string& command, const std::u16string& value,
                           CategoryId* category, int* status) {
    if (ParseCategory(value, category)) return true;
    *status = UsageError(command, text::Format(u"unknown category %s (experts, indicators, "
                                               u"scripts, sounds, dlls, other or 0 to 5)",
                                               {value}));
    return false;
}

// "yes" gives "Yes", the text the installer reads as set; "no" gives the empty text that the
// File Properties dialog stores for a box left unticked.
bool ParseFlag(const std::u16string& value, std::u16string* flag) {
    if (value == u"yes") {
        *flag = u"Yes";
        return true;
    }
    if (value == u"no") {
        flag->clear();
        return true;
    }
    return false;
}

// The message for "tessark set", "add", "remove" and "entry" on a text project, or empty.
std::u16string RefuseTextProject(const os::Path& path) {
    if (!text_project::IsTextProjectPath(path)) return {};
    return text::Format(
        u"%s is a text project: change it in a text editor (set, add, remove and entry change "
        u".eas projects)",
        {path});
}

}  // namespace

int RunNew(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    const os::PathKind kind = os::GetPathKind(path);
    if (kind == os::PathKind::Folder) return Fail(text::Format(u"%s is a folder", {path}));
    if (kind != os::PathKind::Missing && !args.Has(u"--force")) {
        return Fail(text::Format(u"%s exists already; give --force to replace it", {path}));
    }
    ProjectModel model;
    project::ResetProject(&model);
    std::u16string error;
    if (args.Has(u"--toml") || text_project::IsTextProjectPath(path)) {
        text_project::TextProjectFiles files;
        error = text_project::FormatTextProject(model, u"", &files);
        if (error.empty()) WriteWholeFile(path, files.toml, &error);
    } else {
        error = SaveProject(model, path);
    }
    if (!error.empty()) return Fail(error);
    Print(text::Format(u"Created project %s", {path}));
    return kExitOk;
}

int RunShow(const ParsedArguments& args) {
    ProjectModel model;
    const std::u16string error = OpenProject(args.positional[0], &model);
    if (!error.empty()) return Fail(error);
    size_t width = 0;
    for (const ProjectField& field : ProjectFields()) {
        width = std::max(width, field.name.size());
    }
    for (const ProjectField& field : ProjectFields()) {
        Print(Padded(field.name, width + 2) + ShowProjectField(model, field));
    }
    ShowFiles(model);
    return kExitOk;
}

int RunSet(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    if (const std::u16string refused = RefuseTextProject(path); !refused.empty()) {
        return Fail(refused);
    }
    const ProjectField* field = FindProjectField(args.positional[1]);
    if (field == nullptr) {
        return UsageError(u"set", u"unknown field " + args.positional[1]);
    }
    ProjectModel model;
    std::u16string error = OpenProject(path, &model);
    if (error.empty()) error = SetProjectField(&model, *field, args.positional[2]);
    if (error.empty()) error = SaveProject(model, path);
    if (!error.empty()) return Fail(error);
    return kExitOk;
}

int RunAdd(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    if (const std::u16string refused = RefuseTextProject(path); !refused.empty()) {
        return Fail(refused);
    }
    CategoryId category;
    int status = kExitOk;
    if (!ParseCategoryArgument(u"add", args.positional[1], &category, &status)) return status;
    ProjectModel model;
    std::u16string error = OpenProject(path, &model);
    if (!error.empty()) return Fail(error);

    const os::Path folder = FolderOf(path);
    for (size_t i = 2; i < args.positional.size(); ++i) {
        const std::u16string& file = args.positional[i];
        error = CheckSourceFile(folder, file);
        if (!error.empty()) return Fail(error + u"; nothing was added");
        const project::AddFileResult result = project::AddFile(&model, category, file);
        if (result == project::AddFileResult::AlreadyListed) {
            Print(text::Format(u"%s is already in %s", {file, CategoryName(category)}));
            continue;
        }
        error = project::AddFileMessage(result, category, file);
        if (!error.empty()) return Fail(error + u" Nothing was added.");
    }
    error = SaveProject(model, path);
    if (!error.empty()) return Fail(error);
    return kExitOk;
}

int RunRemove(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    if (const std::u16string refused = RefuseTextProject(path); !refused.empty()) {
        return Fail(refused);
    }
    CategoryId category;
    int status = kExitOk;
    if (!ParseCategoryArgument(u"remove", args.positional[1], &category, &status)) return status;
    ProjectModel model;
    std::u16string error = OpenProject(path, &model);
    if (!error.empty()) return Fail(error);
    for (size_t i = 2; i < args.positional.size(); ++i) {
        const std::u16string& file = args.positional[i];
        const int index = project::FindFile(model, category, file);
        if (index < 0) {
            return Fail(text::Format(u"%s is not in %s; nothing was removed",
                                     {file, CategoryName(category)}));
        }
        project::RemoveFileAt(&model, category, static_cast<size_t>(index));
    }
    error = SaveProject(model, path);
    if (!error.empty()) return Fail(error);
    return kExitOk;
}

int RunEntry(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    if (const std::u16string refused = RefuseTextProject(path); !refused.empty()) {
        return Fail(refused);
    }
    const std::u16string& file = args.positional[1];
    if (args.options.empty()) return UsageError(u"entry", u"nothing to change");

    ProjectModel model;
    std::u16string error = OpenProject(path, &model);
    if (!error.empty()) return Fail(error);
    const int index = project::FindFile(model, CategoryId::OtherFiles, file);
    if (index < 0) {
        return Fail(
            text::Format(u"%s is not in other; add it first with \"tessark add %s other "
                         u"%s\"",
                         {file, path, file}));
    }
    project::FileEntry entry = model.otherFiles[static_cast<size_t>(index)];
    const struct {
        const char16_t* option;
        std::u16string* value;
    } texts[] = {
        {u"--destination", &entry.destination},
        {u"--shortcut", &entry.shortcut},
        {u"--parameters", &entry.parameters},
    };
    for (const auto& item : texts) {
        if (!args.Has(item.option)) continue;
        const std::u16string value = args.Value(item.option);
        if (value.size() >= project::kPathCapacity) {
            return Fail(text::Format(u"the %s value is too long: %d characters, at most %d",
                                     {item.option, text::FromInt(value.size()),
                                      text::FromInt(project::kPathCapacity - 1)}));
        }
        *item.value = value;
    }
    const struct {
        const char16_t* option;
        std::u16string* flag;
    } flags[] = {
        {u"--only-if-newer", &entry.onlyIfNewer},
        {u"--never-uninstall", &entry.neverUninstall},
        {u"--autostart", &entry.autostart},
        {u"--post-execute", &entry.postExecute},
    };
    for (const auto& item : flags) {
        if (args.Has(item.option) && !ParseFlag(args.Value(item.option), item.flag)) {
            return UsageError(u"entry", text::Format(u"%s takes yes or no", {item.option}));
        }
    }
    project::EditEntry(&model, static_cast<size_t>(index), entry);
    error = SaveProject(model, path);
    if (!error.empty()) return Fail(error);
    return kExitOk;
}

}  // namespace cli
