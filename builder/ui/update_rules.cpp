#include "builder/ui/update_rules.h"

#include "base/text.h"
#include "builder/project/version_number.h"
#include "builder/ui/app_identity.h"

namespace ui {

std::u16string VersionDigits(int major, int minor, int build) {
    return text::FromInt(major) + text::FromInt(minor) + text::FromInt(build);
}

int32_t VersionInteger(std::u16string_view text) {
    return project::VersionNumberFromText(text);
}

bool IsNewerVersion(std::u16string_view latest, std::u16string_view current) {
    return VersionInteger(latest) > VersionInteger(current);
}

std::u16string VersionWithDecimals(int32_t version) {
    // Integer arithmetic gives exactly what "%.02f" prints for a whole number of hundredths.
    const int64_t value = version;
    const int64_t magnitude = value < 0 ? -value : value;
    std::u16string cents = text::FromInt(magnitude % 100);
    if (cents.size() < 2) cents.insert(0, 1, u'0');
    return (value < 0 ? u"-" : u"") + text::FromInt(magnitude / 100) + u"." + cents;
}

std::u16string UpdateButtonText(int32_t latest) {
    return u"Update to " + VersionWithDecimals(latest);
}

bool IsMsxml4LibraryPath(std::u16string_view path) {
    constexpr std::u16string_view kLibrary = u"msxml4.dll";
    return path.size() >= kLibrary.size() &&
           text::EqualsNoCase(path.substr(path.size() - kLibrary.size()), kLibrary);
}

std::u16string UpdateDocumentAddress(std::u16string_view configured) {
    const std::u16string trimmed = text::Trim(configured);
    return trimmed.empty() ? std::u16string(kUpdateDocumentUrl) : trimmed;
}

}  // namespace ui
