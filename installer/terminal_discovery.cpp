#include "installer/terminal_discovery.h"

#include <algorithm>

#include "installer/user_profiles.h"

namespace installer {

namespace {

constexpr char16_t kTerminalDataFolders[] = u"\\AppData\\Roaming\\MetaQuotes\\Terminal";
// A data folder's name: the terminal's instance id, 32 hexadecimal digits.
constexpr size_t kInstanceIdLength = 32;

bool IsInstanceId(const std::u16string& name) {
    if (name.size() != kInstanceIdLength) return false;
    return std::all_of(name.begin(), name.end(), [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

bool IsListed(const TerminalTarget& target, const std::vector<TerminalTarget>& rows) {
    return std::any_of(rows.begin(), rows.end(), [&](const TerminalTarget& row) {
        return SameFolder(row.dataFolder, target.dataFolder);
    });
}

// Appends the targets that `rows` does not hold yet; true when one was appended.
bool AppendNew(const std::vector<TerminalTarget>& targets, std::vector<TerminalTarget>* rows) {
    bool appended = false;
    for (const TerminalTarget& target : targets) {
        if (IsListed(target, *rows)) continue;
        rows->push_back(target);
        appended = true;
    }
    return appended;
}

}  // namespace

std::vector<TerminalTarget> ProfileDataFolders() {
    std::vector<TerminalTarget> found;
    for (const os::Path& profile : ProfileFolders()) {
        const os::Path parent = profile + kTerminalDataFolders;
        std::vector<os::FolderEntry> entries;
        if (!os::ListFolder(parent, &entries)) continue;
        for (const auto& entry : entries) {
            if (!entry.isFolder || !IsInstanceId(entry.name)) continue;
            TerminalTarget target;
            if (!RecogniseDataFolder(JoinPath(parent, entry.name), &target)) continue;
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
        if (SameFolder(data.installFolder, folder)) targets.push_back(data);
    }
    if (!targets.empty()) return targets;
    if (IsMetaTraderFolder(folder)) return {OwnFolderTerminal(TerminalLayout::Classic, folder)};
    TerminalTarget data;
    if (RecogniseDataFolder(folder, &data)) {
        for (const TerminalTarget& known : dataFolders) {
            if (SameFolder(known.dataFolder, folder)) data.profile = known.profile;
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
            AppendNew(TerminalsOfFolder(JoinPath(programFiles, entry.name), dataFolders), &rows);
        }
    }
    AppendNew(dataFolders, &rows);
    LabelTerminals(&rows);
    return rows;
}

void LabelTerminals(std::vector<TerminalTarget>* rows) {
    for (TerminalTarget& row : *rows) {
        if (row.layout != TerminalLayout::Current) continue;
        const bool shared = std::any_of(rows->begin(), rows->end(), [&](const TerminalTarget& other) {
            return &other != &row && SameFolder(other.installFolder, row.installFolder);
        });
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
    } else if (!AppendNew(targets, rows)) {
        return AddFolderOutcome::AlreadyListed;
    }
    LabelTerminals(rows);
    return AddFolderOutcome::Added;
}

}  // namespace installer
