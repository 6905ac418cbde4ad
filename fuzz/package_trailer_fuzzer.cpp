// A whole setup executable from outside: the trailer, every record's stream checked the way
// "tessark verify" checks it, and a whole installation of the package onto the fake machine
// with two MetaTrader folders.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/stream_check.h"
#include "fuzz/fuzz_machine.h"
#include "package/install_log.h"
#include "package/self_extractor.h"

namespace {

const os::Path kSetup = u"C:\\users\\tester\\Downloads\\setup.exe";
const os::Path kTemp = u"C:\\users\\tester\\Temp";
const std::vector<os::Path> kTerminals = {u"C:\\Program Files (x86)\\MetaTrader 4",
                                          u"D:\\Trading\\MT4"};

bool FitsTheFormat(const std::u16string& text) {
    return text.size() <= static_cast<size_t>(package::kMaxTextUnits);
}

// Every event names a record of the table or carries a percentage.
void CheckEvent(int32_t event, const void* data, intptr_t userData) {
    const auto& reader = *reinterpret_cast<const CSelfExtractor*>(userData);
    FUZZ_CHECK(data != nullptr);
    if (event == SFX_PROGRESS) {
        FUZZ_CHECK(*static_cast<const int32_t*>(data) >= 0);
        return;
    }
    FUZZ_CHECK(event == SFX_FILE_START || event == SFX_FILE_DONE);
    const auto* record = static_cast<const FileRecord*>(data);
    const FileRecord* first = reader.GetFileRecord(0);
    FUZZ_CHECK(record >= first && record < first + reader.GetFileCount());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FreshMachine();
    FUZZ_CHECK(fuzz::PutFile(kSetup, data, size));

    CSelfExtractor reader;
    reader.SetModulePath(kSetup);
    const int32_t read = reader.ReadTrailer(kSetup);
    FUZZ_CHECK(read == SFX_OK || read == SFX_ERR_SIGNATURE || read == SFX_ERR_NO_FILES);
    if (read != SFX_OK) {
        FUZZ_CHECK(reader.GetFileCount() == 0);
        return 0;
    }

    // What the reader accepts points inside the file and fits the format.
    const int32_t count = reader.GetFileCount();
    FUZZ_CHECK(count >= 1 && count <= package::kMaxFiles);
    for (const auto field : kProjectStringFields) {
        FUZZ_CHECK(FitsTheFormat(reader.GetProjectStrings().*field));
    }
    os::File package;
    FUZZ_CHECK(package.OpenRead(kSetup));
    for (int32_t i = 0; i < count; ++i) {
        const FileRecord& record = *reader.GetFileRecord(i);
        FUZZ_CHECK(record.offset >= 0 && record.compressedSize >= 0 &&
                   record.uncompressedSize >= 0);
        FUZZ_CHECK(static_cast<uint64_t>(record.offset) + record.compressedSize <= size);
        for (const auto field : kRecordTexts) FUZZ_CHECK(FitsTheFormat(record.*field));
        cli::CheckStream(package, record);
    }
    package.Close();

    for (const os::Path& terminal : kTerminals) FUZZ_CHECK(os::CreateFolderTree(terminal));
    const int32_t installed =
        reader.ExtractAll(kTemp, CheckEvent, reinterpret_cast<intptr_t>(&reader), &kTerminals);
    FUZZ_CHECK(installed == SFX_OK || installed == SFX_ERR_WRITE);

    // The list the uninstaller will read is whole whenever it was written.
    os::Path programFiles;
    FUZZ_CHECK(os::GetKnownFolder(os::KnownFolder::ProgramFiles, &programFiles));
    std::string log;
    const os::Path productDirectory = reader.GetProjectStrings().productDirectory;
    const os::Path logPath = programFiles + u"\\" + productDirectory + u"\\Install.log";
    if (!productDirectory.empty() && fuzz::GetFile(logPath, &log)) {
        const package::InstallLog list = package::InstallLog::FromBytes(
            reinterpret_cast<const uint8_t*>(log.data()), log.size());
        const std::vector<uint8_t> image = list.Bytes();
        FUZZ_CHECK(std::string(image.begin(), image.end()) == log);
    }
    return 0;
}
