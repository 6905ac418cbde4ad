#pragma once
// The texts that the installer's pages build at run time from the product's strings. Texts
// fixed in the page templates live in the templates.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "installer/terminal_target.h"
#include "translations/message_id.h"

namespace installer {

// "Tessark | <product> <version> Installer | <url> | Step <step>", the caption of every page.
std::u16string WindowTitle(int step, std::u16string_view productName,
                           std::u16string_view versionText, std::u16string_view productUrl);

// Step 1.
inline constexpr char16_t kWelcomeHeading[] = u"Welcome to Tessark";
std::u16string WelcomeText(std::u16string_view productName, std::u16string_view versionText);

// Step 4. The whole text is kept, however long the product name.
std::u16string FolderPageExplanation(std::u16string_view productName);
inline constexpr char16_t kAddFolderCaption[] = u"Add MetaTrader Folder";
inline constexpr char16_t kBrowseFolderTitle[] = u"Please select folder.";
inline constexpr char16_t kInvalidFolderMessage[] =
    u"You have selected the directory. This seems to be an invalid MetaTrader directory.\n"
    u"Please choose another to be able to install";

// Step 5: the product, one "\r\t" line per chosen terminal (its label) in order, and the
// product folder (`programFiles` + "\" + `productDirectory`).
std::u16string SummaryText(std::u16string_view productName, std::u16string_view versionText,
                           const std::vector<TerminalTarget>& chosenTerminals,
                           std::u16string_view programFiles, std::u16string_view productDirectory);

// Step 6: the lines of the installation log, in the order they are appended.
std::u16string CopyingLine(std::u16string_view fileName);
std::u16string ShortcutLine(std::u16string_view shortcutName);
inline constexpr char16_t kCreatingUninstallerText[] = u"Creating uninstaller...";
inline constexpr char16_t kRegisteringUninstallerText[] = u"Registering uninstaller...";
// A line of the log: the message in the language in use, or `english`, and a line end.
std::u16string LogLine(translations::MessageId id, const char16_t* english);
inline constexpr char16_t kDoneLine[] = u"Done.";
inline constexpr char16_t kClickNextText[] = u"Please click the next button.";
// The message box text for a failed extraction, chosen by the engine's result code.
std::u16string InstallFailureMessage(int32_t extractResult);

// Step 8.
std::u16string FinishText(std::u16string_view productName, std::u16string_view versionText,
                          std::u16string_view contactEmail);
// The program that Finish starts in a chosen terminal folder.
std::u16string TerminalProgramPath(std::u16string_view terminalFolder);

}  // namespace installer
