#include "installer/page_texts.h"

#include "base/text.h"
#include "package/format.h"

namespace installer {

std::u16string WindowTitle(int step, std::u16string_view productName,
                           std::u16string_view versionText, std::u16string_view productUrl) {
    return text::Format(u"Tessark | %s %s Installer | %s | Step %d",
                        {productName, versionText, productUrl, text::FromInt(step)});
}

std::u16string WelcomeText(std::u16string_view productName, std::u16string_view versionText) {
    return text::Format(u"You are about to install %s Version: %s", {productName, versionText});
}

std::u16string FolderPageExplanation(std::u16string_view productName) {
    return text::Format(
        u"Please specify the MetaTrader main folder where you would like to install %s. This "
        u"wizard will check plausibility of your MetaTrader folder before you can continue. "
        u"Hint: Choose the folder where you have terminal.exe.",
        {productName});
}

std::u16string SummaryText(std::u16string_view productName, std::u16string_view versionText,
                           const std::vector<TerminalTarget>& chosenTerminals,
                           std::u16string_view programFiles, std::u16string_view productDirectory) {
    std::u16string summary = text::Format(
        u"Product to Install:\r\n\t%s v%s\r\n\r\nTaget Folder(s)\r\n", {productName, versionText});
    for (const TerminalTarget& terminal : chosenTerminals) {
        summary += u"\r\t";
        summary += terminal.label;
        summary += u"\r\n";
    }
    summary += u"\r\nProgram Folder\r\n\t";
    summary += programFiles;
    summary += u"\\";
    summary += productDirectory;
    summary += u"\r\n";
    return summary;
}

std::u16string CopyingLine(std::u16string_view fileName) {
    return text::Format(u"Copying %s...\r\n", {fileName});
}

std::u16string ShortcutLine(std::u16string_view shortcutName) {
    return text::Format(u"Creating shortcut %s...\r\n", {shortcutName});
}

std::u16string InstallFailureMessage(int32_t extractResult) {
    switch (extractResult) {
        case SFX_ERR_SIGNATURE:
        case SFX_ERR_NO_FILES:
            return u"Archive contins no data. Extraction cannot continue.";
        case SFX_ERR_WRITE:
            return u"The output file could not be written. You may not have enough harddisk "
                   u"space or file may already started.";
        default:
            return u"Internal Error";
    }
}

std::u16string FinishText(std::u16string_view productName, std::u16string_view versionText,
                          std::u16string_view contactEmail) {
    return text::Format(
        u"The wizard has finished installing %s to your computer. You can now launch "
        u"Metatrader application to see %s %s in action. Should you have any trouble contact "
        u"%s. Enjoy it",
        {productName, productName, versionText, contactEmail});
}

std::u16string TerminalProgramPath(std::u16string_view terminalFolder) {
    std::u16string path(terminalFolder);
    if (path.empty() || path.back() != u'\\') path += u'\\';
    path += u"terminal.exe";
    return path;
}

}  // namespace installer
