#include "installer/terminal_discovery.h"

#include <algorithm>

#include "base/text.h"
#include "installer/user_profiles.h"

namespace installer {

namespace {

constexpr char16_t kTerminalDataFolders[] = u"\\AppData\\Roaming\\MetaQuotes\\Terminal";
// A data folder's name: the terminal's instance id, 32 hexadecimal digits.
constexpr size_t kInstanceIdLength = 32;

bool IsInstanceId(const std::u16string& name) {
    if (name.size() != kInstanceIdLength) return false;
    for (const char16_t c : name) {
        const char16_t lower = text::ToLowerAscii(c);
        if (!((c >= u'0' && c <= u'9') || (lower >= u'a' && lower <= u'f'))) return false;
    }
    return true;
}

bool IsListed(const TerminalTarget& target, const std::vector<TerminalTarget>& rows) {
    return std::any_of(rows.begin(), rows.end(), [&](const TerminalTarget& row) {
        return os::SameFolder(row.dataFolder, target.dataFolder);
    });
}

}  // namespace

bool AppendNewTerminals(const std::vector<TerminalTarget>& terminals,
                        std::vector<TerminalTarget>* rows) {
    bool appended = false;
    for (const TerminalTarget& terminal : terminals) {
        if (IsListed(terminal, *rows)) continue;
        rows->push_back(terminal);
        appended = true;
    }
    return appended;
}

std::vector<TerminalTarget> ProfileDataFolders() {
    std::vector<TerminalTarget> found;
    for (const os::Path& profile : ProfileFolders()) {
        const os::Path parent = profile + kTerminalDataFolders;
        std::vector<os::FolderEntry> entries;
        if (!os::ListFolder(parent, &entries)) continue;
        for (const auto& entry : entries) {
            if (!entry.isFolder || !IsInstanceId(entry.name)) continue;
            TerminalTarget target;
            if (!RecogniseDataFolder(os::JoinPath(parent, entry.name), &target)) continue;
            target.profile = LastComponent(profile);
            found.push_back(std::move(target));
        }
    }
    return found;
}

std::vector<TerminalTarget> TerminalsOfFolder(const os::Path& folder,
                                              const std::vector<TerminalTarget>& dataFolders) {
    std::vector<TerminalTarget> targets;
    // A data folder naming it makes a terminal current, even where an old "experts" folder
    // survived an update: the terminal reads its programs from the data folder.
    for (const TerminalTarget& data : dataFolders) {
        if (os::SameFolder(data.installFolder, folder)) targets.push_back(data);
    }
    if (!targets.empty()) return targets;
    if (IsMetaTraderFolder(folder)) return {OwnFolderTerminal(TerminalLayout::Classic, folder)};
    TerminalTarget data;
    if (RecogniseDataFolder(folder, &data)) {
        for (const TerminalTarget& known : dataFolders) {
            if (os::SameFolder(known.dataFolder, folder)) data.profile = known.profile;
        }
        return {data};
    }
    if (HoldsPortableData(folder)) return {OwnFolderTerminal(TerminalLayout::Portable, folder)};
    return {};
}

std::vector<TerminalTarget> DiscoverTerminals() {
    const std::vector<TerminalTarget> dataFolders = ProfileDataFolders();
    std::vector<TerminalTarget> rows;
    os::Path programFiles;
    std::vector<os::FolderEntry> entries;
    if (os::GetKnownFolder(os::KnownFolder::ProgramFiles, &programFiles) &&
        os::ListFolder(programFiles, &entries)) {
        for (const auto& entry : entries) {
            if (!entry.isFolder) continue;
            AppendNewTerminals(
                TerminalsOfFolder(os::JoinPath(programFiles, entry.name), dataFolders), &rows);
        }
    }
    AppendNewTerminals(dataFolders, &rows);
    LabelTerminals(&rows);
    return rows;
}

void LabelTerminals(std::vector<TerminalTarget>* rows) {
    for (TerminalTarget& row : *rows) {
        if (row.layout != TerminalLayout::Current) continue;
        bool shared = false;
        for (const TerminalTarget& other : *rows) {
            shared = shared ||
                     (&other != &row && os::SameFolder(other.installFolder, row.installFolder));
        }
        row.label = row.installFolder;
        if (shared) {
            row.label += u" (";
            row.label += row.profile.empty() ? row.dataFolder : row.profile;
            row.label += u")";
        }
    }
}

AddFolderOutcome AddCandidateFolder(const os::Path& folder, std::vector<TerminalTarget>* rows) {
    const std::vector<TerminalTarget> targets = TerminalsOfFolder(folder, ProfileDataFolders());
    if (targets.empty()) return AddFolderOutcome::NotMetaTrader;
    if (targets.front().layout == TerminalLayout::Classic) {
        // A classic folder is one row per text: the same folder typed in another letter case
        // is a second row.
        for (const TerminalTarget& row : *rows) {
            if (row.layout == TerminalLayout::Classic && row.label == folder) {
                return AddFolderOutcome::AlreadyListed;
            }
        }
        rows->push_back(targets.front());
    } else if (!AppendNewTerminals(targets, rows)) {
        return AddFolderOutcome::AlreadyListed;
    }
    LabelTerminals(rows);
    return AddFolderOutcome::Added;
}

}  // namespace installer
