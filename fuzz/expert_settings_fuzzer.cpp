// A terminal's "experts.ini" from outside, patched with the project's expert options in the
// terminal's own folder and in two profiles' virtual copies. Input: eight option bytes, then
// the file. Every file must keep its length and every byte but the options it was asked to
// change; a file too short for the options stays as it was; a virtual config folder without
// a file gets the default record; nothing is left beside the files.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_machine.h"
#include "installer/expert_settings.h"

namespace {

const os::Path kTerminal = u"C:\\Program Files (x86)\\MetaTrader 4";
const os::Path kOwnConfig = kTerminal + u"\\config";
const os::Path kStore = u"\\AppData\\Local\\VirtualStore\\Program Files (x86)\\MetaTrader 4";
const os::Path kVirtualCopy = u"C:\\users\\tester" + kStore + u"\\config";
const os::Path kVirtualFolderOnly = u"C:\\users\\second" + kStore + u"\\config";

// Mostly the three states; now and then a number no project should hold, whose low byte is
// then what gets written.
int32_t StateOf(uint8_t byte) {
    return byte < 0xF0 ? byte % 3 : static_cast<int32_t>(byte * 0x01010101u);
}

std::string Patched(std::string bytes, const ExpertOptions& options) {
    if (bytes.size() < installer::kExpertSettingsMinimumSize) return bytes;
    for (size_t i = 0; i < installer::kExpertOptionOffsets.size(); ++i) {
        const int32_t state = options.*kExpertOptionFields[i];
        if (state == installer::kOptionNoChange) continue;
        bytes[installer::kExpertOptionOffsets[i]] = static_cast<char>(state & 0xFF);
    }
    return bytes;
}

std::vector<os::FolderEntry> Entries(const os::Path& folder) {
    std::vector<os::FolderEntry> entries;
    FUZZ_CHECK(os::ListFolder(folder, &entries));
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    fuzz::FreshMachine();
    ExpertOptions options;
    for (size_t i = 0; i < 8; ++i) options.*kExpertOptionFields[i] = StateOf(data[i]);
    const std::string original(reinterpret_cast<const char*>(data) + 8, size - 8);

    FUZZ_CHECK(fuzz::PutFile(kOwnConfig + u"\\experts.ini", original.data(), original.size()));
    FUZZ_CHECK(fuzz::PutFile(kVirtualCopy + u"\\experts.ini", original.data(), original.size()));
    FUZZ_CHECK(os::CreateFolderTree(kVirtualFolderOnly));

    installer::WriteExpertOptions(
        options, {installer::OwnFolderTerminal(installer::TerminalLayout::Classic, kTerminal)});

    const std::string expected = Patched(original, options);
    for (const os::Path& folder : {kOwnConfig, kVirtualCopy}) {
        std::string now;
        FUZZ_CHECK(fuzz::GetFile(folder + u"\\experts.ini", &now));
        FUZZ_CHECK(now == expected);
        FUZZ_CHECK(Entries(folder).size() == 1);
    }
    const installer::ExpertSettingsRecord record = installer::DefaultExpertSettings();
    std::string created;
    FUZZ_CHECK(fuzz::GetFile(kVirtualFolderOnly + u"\\experts.ini", &created));
    FUZZ_CHECK(created == Patched(std::string(record.begin(), record.end()), options));
    FUZZ_CHECK(Entries(kVirtualFolderOnly).size() == 1);
    return 0;
}
