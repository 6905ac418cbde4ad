#include "installer/metatrader_folder.h"

#include <algorithm>

#include "base/text.h"

namespace installer {

bool IsMetaTraderFolder(const os::Path& folder) {
    std::vector<os::FolderEntry> entries;
    if (!os::ListFolder(folder, &entries)) return false;
    // Flags rather than a count: on a case-sensitive file system "Experts" and "experts" can
    // both exist and must not stand in for a missing "sounds".
    bool terminal = false, experts = false, sounds = false, config = false;
    for (const auto& entry : entries) {
        if (!entry.isFolder) {
            terminal = terminal || text::EqualsNoCase(entry.name, u"terminal.exe");
        } else {
            experts = experts || text::EqualsNoCase(entry.name, u"experts");
            sounds = sounds || text::EqualsNoCase(entry.name, u"sounds");
            config = config || text::EqualsNoCase(entry.name, u"config");
        }
    }
    return terminal && experts && sounds && config;
}

std::vector<os::Path> FindMetaTraderFolders(const os::Path& parent) {
    std::vector<os::Path> found;
    std::vector<os::FolderEntry> entries;
    if (!os::ListFolder(parent, &entries)) return found;
    for (const auto& entry : entries) {
        if (!entry.isFolder) continue;
        os::Path candidate = JoinPath(parent, entry.name);
        if (IsMetaTraderFolder(candidate)) found.push_back(std::move(candidate));
    }
    return found;
}

std::vector<os::Path> DiscoverMetaTraderFolders() {
    os::Path programFiles;
    if (!os::GetKnownFolder(os::KnownFolder::ProgramFiles, &programFiles)) return {};
    return FindMetaTraderFolders(programFiles);
}

AddFolderOutcome AddCandidateFolder(const os::Path& folder, std::vector<os::Path>* rows) {
    if (!IsMetaTraderFolder(folder)) return AddFolderOutcome::NotMetaTrader;
    if (std::find(rows->begin(), rows->end(), folder) != rows->end()) {
        return AddFolderOutcome::AlreadyListed;
    }
    rows->push_back(folder);
    return AddFolderOutcome::Added;
}

os::Path JoinPath(const os::Path& folder, const std::u16string& name) {
    os::Path path = folder;
    if (path.empty() || path.back() != u'\\') path += u'\\';
    path += name;
    return path;
}

}  // namespace installer
