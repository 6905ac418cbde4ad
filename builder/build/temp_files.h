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
// is "\\" unless the folder is written with "/" only (a host path of the command on Linux).
inline os::Path PathInFolder(const os::Path& folder, std::u16string_view name) {
    const bool slashes =
        folder.find(u'/') != os::Path::npos && folder.find(u'\\') == os::Path::npos;
    return os::WithoutTrailingSeparators(folder) + (slashes ? u'/' : u'\\') + std::u16string(name);
}

// Creates or truncates `path` and writes `size` bytes. Empty on success; otherwise a message
// naming the file and the system's reason, and no partly written file is left.
std::u16string WriteTemporaryFile(const os::Path& path, const void* bytes, size_t size);

}  // namespace build
