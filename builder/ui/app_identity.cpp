#include "builder/ui/app_identity.h"

#include "base/text.h"
#include "builder/ui/update_rules.h"

#ifndef TESSARK_VERSION_DIGITS
#error "TESSARK_VERSION_DIGITS must name the builder's version digits"
#endif

namespace ui {

std::u16string ShownVersion() {
    return VersionWithDecimals(VersionInteger(text::FromUtf8(TESSARK_VERSION_DIGITS)));
}

std::u16string BaseTitle() {
    return text::Format(u"%s %s - %s", {kAppName, ShownVersion(), kMakerWebAddress});
}

std::u16string DocumentTitle(std::u16string_view fileTitle) {
    return std::u16string(fileTitle) + u" - " + BaseTitle();
}

std::u16string FileTitle(std::u16string_view path) {
    const size_t slash = path.find_last_of(u"\\/");
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

std::u16string StatusNotice() {
    return text::Format(u"%s v%s  \u00b7  %s", {kAppName, ShownVersion(), kMakerWebAddress});
}

}  // namespace ui
