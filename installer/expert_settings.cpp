#include "installer/expert_settings.h"

#include <iterator>

#include "installer/user_profiles.h"
#include "os/path_text.h"
#include "os/whole_file.h"

namespace installer {

static_assert(std::size(kExpertOptionFields) == kExpertOptionOffsets.size(),
              "one offset per option");

namespace {

constexpr char16_t kSettingsInConfig[] = u"\\config\\experts.ini";
constexpr char16_t kVirtualStore[] = u"\\AppData\\Local\\VirtualStore";

bool HasDriveLetter(const os::Path& path) {
    if (path.size() < 2 || path[1] != u':') return false;
    const char16_t letter = path[0];
    return (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
}

// `mayCreate`: a virtual config folder without a settings file gets a new one.
void ApplyToVirtualCopy(const os::Path& configFolder, const ExpertOptions& options,
                        bool mayCreate) {
    const os::Path file = configFolder + u"\\experts.ini";
    const os::PathKind kind = os::GetPathKind(file);
    if (kind == os::PathKind::Missing) {
        if (mayCreate && os::GetPathKind(configFolder) == os::PathKind::Folder) {
            CreateExpertSettingsFile(file, options);
        }
        return;
    }
    UpdateExpertSettingsFile(file, options);
}

}  // namespace

ExpertSettingsRecord DefaultExpertSettings() {
    ExpertSettingsRecord record{};
    record[0] = 0x90;  // 400, little-endian
    record[1] = 0x01;
    for (uint32_t offset : {4u, 8u, 12u, 20u, 24u, 28u}) record[offset] = 1;
    return record;
}

void PatchExpertOptions(const ExpertOptions& options, int64_t filePosition, uint8_t* bytes,
                        size_t size) {
    for (size_t i = 0; i < kExpertOptionOffsets.size(); ++i) {
        const int32_t state = options.*kExpertOptionFields[i];
        if (state == kOptionNoChange) continue;
        const int64_t at = static_cast<int64_t>(kExpertOptionOffsets[i]) - filePosition;
        if (at < 0 || at >= static_cast<int64_t>(size)) continue;
        bytes[at] = static_cast<uint8_t>(state & 0xFF);
    }
}

SettingsResult UpdateExpertSettingsFile(const os::Path& file, const ExpertOptions& options) {
    std::vector<uint8_t> bytes;
    if (!os::ReadWholeFile(file, kExpertSettingsLimit, &bytes)) return SettingsResult::Failed;
    if (bytes.size() < kExpertSettingsMinimumSize) return SettingsResult::TooShort;
    PatchExpertOptions(options, 0, bytes.data(), bytes.size());
    return os::WriteWholeFile(file, bytes.data(), static_cast<uint32_t>(bytes.size()))
               ? SettingsResult::Written
               : SettingsResult::Failed;
}

SettingsResult CreateExpertSettingsFile(const os::Path& file, const ExpertOptions& options) {
    ExpertSettingsRecord record = DefaultExpertSettings();
    PatchExpertOptions(options, 0, record.data(), record.size());
    return os::WriteWholeFile(file, record.data(), static_cast<uint32_t>(record.size()))
               ? SettingsResult::Written
               : SettingsResult::Failed;
}

void WriteExpertOptions(const ExpertOptions& options,
                        const std::vector<TerminalTarget>& terminals) {
    const std::vector<os::Path> profiles = ProfileFolders();
    for (const TerminalTarget& terminal : terminals) {
        const os::Path own = os::WithoutTrailingSeparators(terminal.dataFolder) + kSettingsInConfig;
        if (terminal.layout == TerminalLayout::Current) {
            // A data folder belongs to a current terminal, whose settings file this installer
            // changes only where it finds one it understands.
            if (os::GetPathKind(own) != os::PathKind::Missing) {
                UpdateExpertSettingsFile(own, options);
            }
            continue;
        }
        const bool classic = terminal.layout == TerminalLayout::Classic;
        const os::Path folder = os::WithoutTrailingSeparators(terminal.installFolder);
        // Virtualised copies exist only for folders on a local drive; their path inside the
        // store is the folder's path without the drive letter and colon.
        if (HasDriveLetter(folder)) {
            const os::Path relative = folder.substr(2);
            for (const auto& profile : profiles) {
                os::Path config = profile;
                config += kVirtualStore;
                config += relative;
                config += u"\\config";
                ApplyToVirtualCopy(config, options, classic);
            }
        }
        if (os::GetPathKind(own) == os::PathKind::Missing) {
            if (classic) CreateExpertSettingsFile(own, options);
        } else {
            UpdateExpertSettingsFile(own, options);
        }
    }
}

}  // namespace installer
