// tessark convert: a .eas project as a text project and back, with nothing of the record lost.
#include "base/text.h"
#include "builder/project/file_categories.h"
#include "cli/command.h"
#include "cli/file_bytes.h"
#include "cli/paths.h"
#include "cli/project_io.h"
#include "cli/text_project/text_project.h"

namespace cli {

namespace {

using text_project::IsTextProjectPath;

// The file name without its folder and without ".toml".
std::u16string Stem(const os::Path& path) {
    const size_t slash = path.find_last_of(u"\\/");
    std::u16string name = slash == os::Path::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind(u'.');
    return dot == std::u16string::npos || dot == 0 ? name : name.substr(0, dot);
}

// `name` in the folder of `file`, written with the separator `file` is written with.
os::Path Beside(const os::Path& file, const std::u16string& name) {
    const size_t slash = file.find_last_of(u"\\/");
    return slash == os::Path::npos ? name : file.substr(0, slash + 1) + name;
}

// Empty when every one of `outputs` may be written; otherwise why not, before anything is.
std::u16string CheckOutputs(const std::vector<os::Path>& outputs, const os::Path& input,
                            bool force) {
    for (const os::Path& output : outputs) {
        if (text::EqualsNoCase(output, input)) {
            return text::Format(u"%s would replace the project it is made from", {output});
        }
        const os::PathKind kind = os::GetPathKind(output);
        if (kind == os::PathKind::Folder) return text::Format(u"%s is a folder", {output});
        if (kind != os::PathKind::Missing && !force) {
            return text::Format(
                u"%s exists already; give --force to replace it; nothing was "
                u"written",
                {output});
        }
    }
    return {};
}

}  // namespace

int RunConvert(const ParsedArguments& args) {
    const os::Path& from = args.positional[0];
    const os::Path& to = args.positional[1];
    const bool toText = IsTextProjectPath(to);
    if (IsTextProjectPath(from) == toText) {
        return UsageError(u"convert",
                          u"one project must be a .toml text project and the other not");
    }
    if (const std::u16string unavailable = text_project::Unavailable(); !unavailable.empty()) {
        return Fail(unavailable);
    }

    project::ProjectModel model;
    std::u16string error = OpenProject(from, &model);
    if (!error.empty()) return Fail(error);
    text_project::RebasePaths(FolderOf(from), FolderOf(to), &model);
    const bool force = args.Has(u"--force");
    const os::Path folder = FolderOf(to);
    if (!folder.empty() && !os::CreateFolderTree(folder)) {
        return Fail(
            text::Format(u"cannot create the folder %s: %s", {folder, os::LastErrorMessage()}));
    }

    if (!toText) {
        // A project file holds ten files in each category; a text project may name more, and
        // nothing is cut.
        for (int c = 0; c < project::kCategoryCount; ++c) {
            const auto category = static_cast<project::CategoryId>(c);
            const size_t count = project::FileCount(model, category);
            if (count > project::kMaxFilesPerCategory) {
                return Fail(text::Format(
                    u"%s: %s holds %d files; a .eas project holds at most %d in a category",
                    {from, project::CategoryCaption(category), text::FromInt(count),
                     text::FromInt(project::kMaxFilesPerCategory)}));
            }
        }
        if (!model.language.empty()) {
            return Fail(
                text::Format(u"%s: a .eas project has no place for the language \"%s\"; "
                             u"give it with tessark build --language",
                             {from, model.language}));
        }
        error = CheckOutputs({to}, from, force);
        if (error.empty()) error = SaveProject(model, to);
        if (!error.empty()) return Fail(error);
        Print(text::Format(u"Converted %s to %s", {from, to}));
        return kExitOk;
    }

    text_project::TextProjectFiles files;
    error = text_project::FormatTextProject(model, Stem(to), &files);
    if (!error.empty()) return Fail(text::Format(u"%s: %s", {from, error}));
    std::vector<os::Path> outputs;
    for (const auto& rtf : files.rtfFiles) outputs.push_back(Beside(to, rtf.name));
    outputs.push_back(to);
    error = CheckOutputs(outputs, from, force);
    if (!error.empty()) return Fail(error);
    // The texts first, so that the project never names a file that is not there yet.
    for (size_t i = 0; i < files.rtfFiles.size(); ++i) {
        if (!WriteWholeFile(outputs[i], files.rtfFiles[i].bytes, &error)) return Fail(error);
    }
    if (!WriteWholeFile(to, files.toml, &error)) return Fail(error);
    std::u16string message = text::Format(u"Converted %s to %s", {from, to});
    for (size_t i = 0; i < files.rtfFiles.size(); ++i) {
        message += (i == 0 ? u" and its texts " : u", ") + outputs[i];
    }
    Print(message);
    return kExitOk;
}

}  // namespace cli
