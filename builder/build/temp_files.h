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

// `folder` + "\" + `name`, whether or not the folder text ends with a separator.
inline os::Path TemporaryFilePath(const os::Path& folder, std::u16string_view name) {
    return os::WithoutTrailingSeparators(folder) + u'\\' + std::u16string(name);
}

// Creates or truncates `path` and writes `size` bytes. Empty on success; otherwise a message
// naming the file and the system's reason, and no partly written file is left.
std::u16string WriteTemporaryFile(const os::Path& path, const void* bytes, size_t size);

}  // namespace build
