#pragma once
// Who the builder is: its name, the version it shows, the maker's addresses, and the texts
// made from them (window titles, the status bar notice).

#include <string>
#include <string_view>

namespace ui {

constexpr char16_t kAppName[] = u"Tessark";
// Ends every window title and the status bar notice.
constexpr char16_t kMakerWebAddress[] = u"www.tessark.com";
constexpr char16_t kProductPageUrl[] = u"https://www.tessark.com/builder/";
constexpr char16_t kMakerHomeUrl[] = u"https://www.tessark.com/";
// Where the update check reads the latest version, unless the settings name another address.
constexpr char16_t kUpdateDocumentUrl[] = u"https://www.tessark.com/update/tessark.xml";
constexpr char16_t kMsxmlDownloadUrl[] = u"https://www.tessark.com/msxml4/";

// The builder's version as titles show it, "1.29" for 1.2.9.
std::u16string ShownVersion();

// "Tessark 1.29 - www.tessark.com": the title of a window without a project name.
std::u16string BaseTitle();
// "robot.eas - Tessark 1.29 - www.tessark.com".
std::u16string DocumentTitle(std::u16string_view fileTitle);
// The name of a file without its folder, as the title shows it.
std::u16string FileTitle(std::u16string_view path);
// The status bar's last pane: "Tessark v1.29" and the maker's notice.
std::u16string StatusNotice();

}  // namespace ui
