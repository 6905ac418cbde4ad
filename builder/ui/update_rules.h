#pragma once
// The version numbers of the update check. A version is a digit string made of the file
// version's major, minor and build numbers written one after another ("128" for 1.2.8, "1210"
// for 1.2.10), compared as an integer and shown as that integer divided by 100 with two
// decimals (130 is "1.30", 1210 is "12.10").

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// "%d%d%d" of the three numbers.
std::u16string VersionDigits(int major, int minor, int build);

// The integer of a version text: its leading digits (after blanks and an optional sign);
// an empty or non-numeric text gives 0.
int32_t VersionInteger(std::u16string_view text);

// True when `latest` reads as a strictly greater integer than `current`.
bool IsNewerVersion(std::u16string_view latest, std::u16string_view current);

// "%.02f" of version / 100: "1.30" for 130.
std::u16string VersionWithDecimals(int32_t version);
// The update button's text, "Update to 1.30".
std::u16string UpdateButtonText(int32_t latest);

// The update check looks for the MSXML 4.0 library: a path matches when its last ten
// characters are "msxml4.dll", ignoring case.
bool IsMsxml4LibraryPath(std::u16string_view path);

// The update document's address: the one the settings name, else the maker's.
std::u16string UpdateDocumentAddress(std::u16string_view configured);

}  // namespace ui
