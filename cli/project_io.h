#pragma once
// Opening and saving projects for the command, which is stricter than the builder's window: a
// file that is not exactly one project record is refused rather than read as padded with
// zeros, so that "tessark set" never rewrites some other file as a project.

#include <string>

#include "builder/project/project_model.h"
#include "os/os.h"

namespace cli {

// Opens a .eas project, or a text project when the path ends in ".toml". Empty on success;
// otherwise the message to show, and `model` is unchanged.
std::u16string OpenProject(const os::Path& path, project::ProjectModel* model);
// Empty on success; otherwise the message to show. Refuses a model that a project file cannot
// hold whole, rather than cut it.
std::u16string SaveProject(const project::ProjectModel& model, const os::Path& path);

}  // namespace cli
