// The cross-built tessark.exe has no text projects: the TOML library needs C++ exceptions, and
// the Windows programs are built without them. Each entry point says so in one line.
#include "cli/text_project/text_project.h"

namespace cli::text_project {

std::u16string Unavailable() {
    return u"text projects (.toml) need the Linux tessark; this tessark.exe reads and builds "
           u".eas projects only";
}

std::u16string ParseTextProject(std::string_view, const os::Path&, TextProject*) {
    return Unavailable();
}

std::u16string ReadTextProject(const os::Path&, TextProject*) {
    return Unavailable();
}

std::u16string FormatTextProject(const project::ProjectModel&, std::u16string_view,
                                 TextProjectFiles*) {
    return Unavailable();
}

void RebasePaths(const os::Path&, const os::Path&, project::ProjectModel*) {}

}  // namespace cli::text_project
