#include "installer/terminal_target.h"

#include "base/le.h"
#include "base/text.h"
#include "os/path_text.h"
#include "os/whole_file.h"

namespace installer {

namespace {

constexpr char16_t kTerminalProgram[] = u"terminal.exe";
constexpr char16_t kOriginFile[] = u"origin.txt";
// An origin file names one path; anything longer is not one.
constexpr size_t kOriginFileLimit = 4096;

// Which of the names a folder lists directly, files and folders told apart.
struct Entries {
    bool terminalProgram = false;
    bool experts = false;
    bool sounds = false;
    bool config = false;
    bool mql4 = false;
};

bool ListEntries(const os::Path& folder, Entries* found) {
    std::vector<os::FolderEntry> entries;
    if (!os::ListFolder(folder, &entries)) return false;
    // Flags rather than a count: on a case-sensitive file system "Experts" and "experts" can
    // both exist and must not stand in for a missing "sounds".
    for (const auto& entry : entries) {
        if (!entry.isFolder) {
            found->terminalProgram |= text::EqualsNoCase(entry.name, kTerminalProgram);
        } else {
            found->experts |= text::EqualsNoCase(entry.name, u"experts");
            found->sounds |= text::EqualsNoCase(entry.name, u"sounds");
            found->config |= text::EqualsNoCase(entry.name, u"config");
            found->mql4 |= text::EqualsNoCase(entry.name, u"MQL4");
        }
    }
    return true;
}

bool HoldsTerminalProgram(const os::Path& folder) {
    Entries found;
    return ListEntries(folder, &found) && found.terminalProgram;
}

// The first line of a UTF-16LE text, without a byte-order mark.
std::u16string FirstLine(const std::vector<uint8_t>& bytes) {
    std::u16string line;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = le::GetU16(bytes.data() + i);
        if (i == 0 && unit == 0xFEFF) continue;
        if (unit == u'\r' || unit == u'\n' || unit == 0) break;
        line.push_back(unit);
    }
    return line;
}

}  // namespace

TerminalTarget OwnFolderTerminal(TerminalLayout layout, const os::Path& folder) {
    TerminalTarget target;
    target.layout = layout;
    target.installFolder = folder;
    target.dataFolder = folder;
    target.label = folder;
    return target;
}

bool IsMetaTraderFolder(const os::Path& folder) {
    Entries found;
    return ListEntries(folder, &found) && found.terminalProgram && found.experts && found.sounds &&
           found.config;
}

bool ReadOriginFile(const os::Path& dataFolder, os::Path* installFolder) {
    std::vector<uint8_t> bytes;
    if (!os::ReadWholeFile(os::JoinPath(dataFolder, kOriginFile), kOriginFileLimit, &bytes)) {
        return false;
    }
    const os::Path path = os::WithoutTrailingSeparators(text::Trim(FirstLine(bytes)));
    if (path.empty()) return false;
    *installFolder = path;
    return true;
}

bool RecogniseDataFolder(const os::Path& folder, TerminalTarget* target) {
    Entries found;
    if (!ListEntries(folder, &found) || !found.mql4) return false;
    os::Path installFolder;
    if (!ReadOriginFile(folder, &installFolder) || !HoldsTerminalProgram(installFolder)) {
        return false;
    }
    target->layout = TerminalLayout::Current;
    target->installFolder = installFolder;
    target->dataFolder = os::WithoutTrailingSeparators(folder);
    return true;
}

bool HoldsPortableData(const os::Path& folder) {
    Entries found;
    return ListEntries(folder, &found) && found.terminalProgram && found.config && found.mql4;
}

const char16_t* TerminalStartParameters(const TerminalTarget& target) {
    return target.layout == TerminalLayout::Portable ? u"/portable" : u"";
}

}  // namespace installer
