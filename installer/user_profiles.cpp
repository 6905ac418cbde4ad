#include "installer/user_profiles.h"

#include "installer/terminal_target.h"
#include "os/path_text.h"

namespace installer {

std::vector<os::Path> ProfileFolders() {
    std::vector<os::Path> profiles;
    os::Path profile;
    if (!os::GetKnownFolder(os::KnownFolder::Profile, &profile)) return profiles;
    profile = os::WithoutTrailingSeparators(profile);
    const size_t cut = profile.rfind(u'\\');
    if (cut == os::Path::npos || cut == 0) return profiles;
    const os::Path allProfiles = profile.substr(0, cut);
    std::vector<os::FolderEntry> entries;
    if (!os::ListFolder(allProfiles, &entries)) return profiles;
    for (const auto& entry : entries) {
        if (entry.isFolder) profiles.push_back(os::JoinPath(allProfiles, entry.name));
    }
    return profiles;
}

std::u16string LastComponent(const os::Path& folder) {
    const os::Path path = os::WithoutTrailingSeparators(folder);
    const size_t cut = path.find_last_of(u"\\/");
    return cut == os::Path::npos ? path : path.substr(cut + 1);
}

}  // namespace installer
