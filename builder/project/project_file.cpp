#include "builder/project/project_file.h"

#include <vector>

#include "base/text.h"
#include "builder/project/project_record.h"
#include "os/whole_file.h"

namespace project {

namespace {

constexpr std::u16string_view kExtension = u".eas";

}  // namespace

std::u16string_view ProjectFileMessage(ProjectFileResult result) {
    switch (result) {
        case ProjectFileResult::Ok:
            return u"";
        case ProjectFileResult::SaveFailed:
            return u"Failed to save.";
        case ProjectFileResult::CannotOpen:
        case ProjectFileResult::ReadFailed:
            return u"Failed to read.";
    }
    return u"";
}

ProjectFileResult SaveProjectFile(const ProjectModel& model, const os::Path& path) {
    const std::vector<uint8_t> bytes = EncodeProjectRecord(model);
    return os::WriteWholeFile(path, bytes.data(), static_cast<uint32_t>(bytes.size()))
               ? ProjectFileResult::Ok
               : ProjectFileResult::SaveFailed;
}

ProjectFileResult LoadProjectFile(const os::Path& path, ProjectModel* model) {
    os::File file;
    if (!file.OpenRead(path)) return ProjectFileResult::CannotOpen;
    std::vector<uint8_t> bytes(record::kRecordSize, 0);
    uint32_t filled = 0;
    while (filled < record::kRecordSize) {
        uint32_t done = 0;
        if (!file.Read(bytes.data() + filled, record::kRecordSize - filled, &done)) {
            return ProjectFileResult::ReadFailed;
        }
        if (done == 0) break;
        filled += done;
    }
    *model = DecodeProjectRecord(bytes.data(), bytes.size());
    return ProjectFileResult::Ok;
}

os::Path WithProjectExtension(std::u16string_view path) {
    os::Path named(path);
    if (!text::EndsWith(path, kExtension)) named += kExtension;
    return named;
}

}  // namespace project
