#pragma once
// The texts the uninstaller's pages build at run time. Texts fixed in the page templates live
// in the templates.

#include <string>
#include <string_view>

namespace uninstaller {

inline constexpr char16_t kWelcomeHeading[] = u"Welcome to Tessark";
// "You are about to uninstall <product> Version: <version>"
std::u16string WelcomeProductText(std::u16string_view productName, std::u16string_view version);

inline constexpr char16_t kClickNextText[] = u"Please click the next button.";

std::u16string CompleteText(std::u16string_view productName);

// Shown, before any page, when the registry entry is missing or names folders that cannot be
// proven to be the product's; the program then ends without removing anything.
inline constexpr char16_t kEntryDamagedMessage[] =
    u"The uninstall information of this product is missing or damaged.\n\n"
    u"To protect the files of other programs, nothing has been removed.";
inline constexpr char16_t kMessageCaption[] = u"Uninstall";

// The banner picture the installer stored in the uninstaller, written to the temporary folder.
inline constexpr char16_t kBannerFileName[] = u"banner.jpg";

}  // namespace uninstaller
