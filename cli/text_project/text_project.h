#pragma once
// Text projects: a project as a TOML file (schema.h) that diffs and merges in version control,
// read and written by the Linux tessark. The cross-built tessark.exe refuses them with one line
// (unavailable.cpp): the TOML library needs C++ exceptions, which the Windows programs are
// built without.

#include <string>
#include <string_view>
#include <vector>

#include "builder/project/project_model.h"
#include "os/os.h"

namespace cli::text_project {

// True when `path` names a text project: it ends in ".toml", in any letter case.
bool IsTextProjectPath(std::u16string_view path);

// Empty when this tessark reads and writes text projects; otherwise the line that says it does
// not.
std::u16string Unavailable();

// A source file the project names, and where: "product.toml:12:5", so that a build can say
// which line names a missing file.
struct FileReference {
    std::u16string path;   // as written in the project
    std::u16string where;  // file:line:column of the value
};

struct TextProject {
    project::ProjectModel model;
    std::vector<FileReference> files;  // every category file, the icon and the banner
};

// Reads the text project at `path`. The texts given as .rtf files are read now, from the
// project's folder; the source files are only named (see `files`). Empty on success; otherwise
// one line naming the file, line and column or the key, and `project` is unchanged.
std::u16string ReadTextProject(const os::Path& path, TextProject* project);
// The same for a project's bytes; `path` names it in messages and gives its folder.
std::u16string ParseTextProject(std::string_view bytes, const os::Path& path, TextProject* project);

// A text project as files: the TOML text, and the .rtf files it names beside it.
struct TextProjectFiles {
    struct RtfFile {
        std::u16string name;  // a bare file name, in the project's folder
        std::string bytes;
    };
    std::string toml;
    std::vector<RtfFile> rtfFiles;
};

// The text project that holds everything `model` holds, so that reading it back gives the same
// project record. `stem` (the project file's name without ".toml") names the .rtf files of the
// rich texts: "<stem>-license.rtf" and so on. A rich text that an .rtf file cannot carry byte
// for byte (one with characters outside ASCII, or that is not an RTF document) is written into
// the TOML itself. Empty on success; otherwise the message, naming the field that TOML cannot
// carry (a lone UTF-16 surrogate).
std::u16string FormatTextProject(const project::ProjectModel& model, std::u16string_view stem,
                                 TextProjectFiles* files);

// Every relative path of `model` (source files, icon, banner, target) made relative to
// `toFolder` instead of `fromFolder`, so that the project names the same files from a file in
// another folder. Nothing changes when the folders are the same.
void RebasePaths(const os::Path& fromFolder, const os::Path& toFolder,
                 project::ProjectModel* model);

}  // namespace cli::text_project
