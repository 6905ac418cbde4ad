#include "cli/project_io.h"

#include "base/text.h"
#include "builder/project/project_file.h"
#include "builder/project/project_record.h"
#include "cli/text_project/text_project.h"

namespace cli {

std::u16string OpenProject(const os::Path& path, project::ProjectModel* model) {
    const os::PathKind kind = os::GetPathKind(path);
    if (kind == os::PathKind::Folder) return text::Format(u"%s is a folder", {path});
    if (text_project::IsTextProjectPath(path)) {
        text_project::TextProject read;
        const std::u16string error = text_project::ReadTextProject(path, &read);
        if (error.empty()) *model = std::move(read.model);
        return error;
    }
    os::File file;
    if (!file.OpenRead(path)) {
        return text::Format(u"cannot open %s: %s", {path, os::LastErrorMessage()});
    }
    const int64_t size = file.Size();
    file.Close();
    if (size != project::record::kRecordSize) {
        return text::Format(
            u"%s is not a Tessark project (a project file is %d bytes, this one "
            u"%d)",
            {path, text::FromInt(project::record::kRecordSize), text::FromInt(size)});
    }
    const project::ProjectFileResult result = project::LoadProjectFile(path, model);
    if (result == project::ProjectFileResult::Ok) return {};
    return text::Format(u"%s: %s", {path, project::ProjectFileMessage(result)});
}

std::u16string SaveProject(const project::ProjectModel& model, const os::Path& path) {
    const std::vector<std::u16string> cut = project::FieldsCutInRecord(model);
    if (!cut.empty()) {
        return text::Format(u"%s does not fit into a project file; nothing was saved",
                            {cut.front()});
    }
    const project::ProjectFileResult result = project::SaveProjectFile(model, path);
    if (result == project::ProjectFileResult::Ok) return {};
    return text::Format(u"%s: %s (%s)",
                        {path, project::ProjectFileMessage(result), os::LastErrorMessage()});
}

}  // namespace cli
