// A text project from outside, with an .rtf file beside it for the texts that name one. What
// the reader accepts fits a project file, and written as a text project again it reads back as
// the same project record; what it refuses gets one line.
#include <cstdint>
#include <string>

#include "base/text.h"
#include "builder/project/project_record.h"
#include "cli/text_project/text_project.h"
#include "fuzz/fuzz_machine.h"

namespace {

const os::Path kFolder = u"C:\\Projects\\";
const os::Path kOutside = kFolder + u"Outside.toml";
const os::Path kAgain = kFolder + u"Again.toml";
const char kRtf[] = "{\\rtf1\\ansi A text.\\par}";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FreshMachine();
    for (const char16_t* name : {u"License.rtf", u"a.rtf"}) {
        FUZZ_CHECK(fuzz::PutFile(kFolder + name, kRtf, sizeof(kRtf) - 1));
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    cli::text_project::TextProject read;
    const std::u16string error = cli::text_project::ParseTextProject(bytes, kOutside, &read);
    if (!error.empty()) {
        FUZZ_CHECK(error.find(u'\n') == std::u16string::npos);
        return 0;
    }
    FUZZ_CHECK(project::FieldsCutInRecord(read.model).empty());

    cli::text_project::TextProjectFiles files;
    const std::u16string written =
        cli::text_project::FormatTextProject(read.model, u"Again", &files);
    FUZZ_CHECK(written.empty());  // what TOML gave, TOML can carry
    for (const auto& rtf : files.rtfFiles) {
        FUZZ_CHECK(fuzz::PutFile(kFolder + rtf.name, rtf.bytes.data(), rtf.bytes.size()));
    }
    cli::text_project::TextProject again;
    const std::u16string reread = cli::text_project::ParseTextProject(files.toml, kAgain, &again);
    FUZZ_CHECK(reread.empty());
    FUZZ_CHECK(project::EncodeProjectRecord(again.model) ==
               project::EncodeProjectRecord(read.model));
    return 0;
}
