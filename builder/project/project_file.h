#pragma once
// Saving and opening ".eas" project files: the project record (project_record.h), written and
// read in one piece through the os seam.

#include <string>
#include <string_view>

#include "builder/project/project_model.h"
#include "os/os.h"

namespace project {

enum class ProjectFileResult {
    Ok,
    SaveFailed,  // save: the new file could not be written, or not put in the old one's place
    CannotOpen,  // open: the file could not be opened for reading
    ReadFailed,  // open: reading the file failed
};

// "Failed to save." or "Failed to read.", the texts the builder shows; empty for Ok.
std::u16string_view ProjectFileMessage(ProjectFileResult result);

// Writes the model's record to `path`. The record goes to a temporary file in the same folder
// that is then moved over `path`, so a failed save leaves any previous file as it was and
// leaves no temporary file behind.
ProjectFileResult SaveProjectFile(const ProjectModel& model, const os::Path& path);

// Reads the project at `path` into `*model`, replacing every field. A file shorter than a
// record reads as if padded with zeros, and bytes beyond a record are ignored. On failure
// `*model` is left unchanged.
ProjectFileResult LoadProjectFile(const os::Path& path, ProjectModel* model);

// The name Save and Save As write to: `path` with ".eas" appended unless its last four
// characters are exactly ".eas" (so "Demo.EAS" becomes "Demo.EAS.eas").
os::Path WithProjectExtension(std::u16string_view path);

}  // namespace project
