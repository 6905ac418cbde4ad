// A project file from outside: opened, saved, opened and saved again. The first save settles
// everything the record cannot hold (unterminated texts, counts out of range), so the second
// save must give the same bytes, and a model read back from a saved file always fits a record.
#include <cstdint>
#include <string>

#include "builder/project/project_file.h"
#include "builder/project/project_record.h"
#include "fuzz/fuzz_machine.h"

namespace {

const os::Path kOpened = u"C:\\Projects\\Outside.eas";
const os::Path kFirst = u"C:\\Projects\\First.eas";
const os::Path kSecond = u"C:\\Projects\\Second.eas";

std::string SaveAndRead(const project::ProjectModel& model, const os::Path& path) {
    FUZZ_CHECK(project::SaveProjectFile(model, path) == project::ProjectFileResult::Ok);
    std::string bytes;
    FUZZ_CHECK(fuzz::GetFile(path, &bytes));
    FUZZ_CHECK(bytes.size() == project::record::kRecordSize);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FreshMachine();
    FUZZ_CHECK(fuzz::PutFile(kOpened, data, size));

    project::ProjectModel opened;
    FUZZ_CHECK(project::LoadProjectFile(kOpened, &opened) == project::ProjectFileResult::Ok);
    const std::string first = SaveAndRead(opened, kFirst);

    project::ProjectModel reopened;
    FUZZ_CHECK(project::LoadProjectFile(kFirst, &reopened) == project::ProjectFileResult::Ok);
    FUZZ_CHECK(project::FieldsCutInRecord(reopened).empty());
    FUZZ_CHECK(SaveAndRead(reopened, kSecond) == first);

    // Nothing of a record longer than a project file changes what is read.
    const project::ProjectModel decoded = project::DecodeProjectRecord(data, size);
    FUZZ_CHECK(project::EncodeProjectRecord(decoded) ==
               std::vector<uint8_t>(first.begin(), first.end()));
    return 0;
}
