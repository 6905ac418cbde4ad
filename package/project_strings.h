#pragma once
// The product and publisher information a package carries.

#include <string>

struct ProjectStrings {
    std::u16string productName = u"New Project";
    std::u16string productDirectory = u"NPX";  // the folder below Program Files "{app}" names
    std::u16string startMenuGroup = u"New Project";
    std::u16string builderVersion;
    std::u16string versionText;
    std::u16string publisher;
    std::u16string publisherAddress;
    std::u16string productUrl;
    std::u16string contactName;
    std::u16string contactEmail;
};

// The ten strings in index order; the trailer stores them in reverse.
inline constexpr std::u16string ProjectStrings::*kProjectStringFields[10] = {
    &ProjectStrings::productName,      &ProjectStrings::productDirectory,
    &ProjectStrings::startMenuGroup,   &ProjectStrings::builderVersion,
    &ProjectStrings::versionText,      &ProjectStrings::publisher,
    &ProjectStrings::publisherAddress, &ProjectStrings::productUrl,
    &ProjectStrings::contactName,      &ProjectStrings::contactEmail,
};
