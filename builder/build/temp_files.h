#pragma once
// The five files a build packs first, and where it finds them: in the temporary folder it is
// given, under fixed names, because the installer names its extracted copies after them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "os/os.h"
#include "os/path_text.h"

namespace build {

constexpr std::u16string_view kIconFileName = u"project.ico";
constexpr std::u16string_view kBannerFileName = u"banner.jpg";
constexpr std::u16string_view kLicenseFileName = u"License.rtf";
constexpr std::u16string_view kReadmeFileName = u"Readme.rtf";
constexpr std::u16string_view kWhatsNewFileName = u"What's New.rtf";

// `name` inside `folder`, whether or not the folder text ends with a separator. The separator
// is the one the folder uses, else the one the name uses, else "\\" (so that the command's
// host paths on Linux keep their "/"). `folder` is not empty.
inline os::Path PathInFolder(const os::Path& folder, std::u16string_view name) {
    const os::Path base = os::WithoutTrailingSeparators(folder);
    char16_t separator = u'\\';
    const size_t inFolder = base.find_last_of(u"\\/");
    const size_t inName = name.find_first_of(u"\\/");
    if (inFolder != os::Path::npos) {
        separator = base[inFolder];
    } else if (inName != std::u16string_view::npos) {
        separator = name[inName];
    }
    return base + separator + std::u16string(name);
}

// Creates or truncates `path` and writes `size` bytes. Empty on success; otherwise a message
// naming the file and the system's reason, and no partly written file is left.
std::u16string WriteTemporaryFile(const os::Path& path, const void* bytes, size_t size);

}  // namespace build
