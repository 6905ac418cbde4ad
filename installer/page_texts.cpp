#include "installer/page_texts.h"

#include "base/text.h"
#include "package/format.h"
#include "translations/active_texts.h"

namespace installer {

using translations::MessageId;
using translations::Text;

std::u16string WindowTitle(int step, std::u16string_view productName,
                           std::u16string_view versionText, std::u16string_view productUrl) {
    return text::Format(Text(MessageId::WindowTitle, u"Tessark | %s %s Installer | %s | Step %d"),
                        {productName, versionText, productUrl, text::FromInt(step)});
}

std::u16string WelcomeText(std::u16string_view productName, std::u16string_view versionText) {
    return text::Format(Text(MessageId::WelcomeText, u"You are about to install %s Version: %s"),
                        {productName, versionText});
}

std::u16string FolderPageExplanation(std::u16string_view productName) {
    return text::Format(
        Text(MessageId::FolderPageExplanation,
             u"Please specify the MetaTrader main folder where you would like to install %s. This "
             u"wizard will check plausibility of your MetaTrader folder before you can continue. "
             u"Hint: Choose the folder where you have terminal.exe."),
        {productName});
}

std::u16string SummaryText(std::u16string_view productName, std::u16string_view versionText,
                           const std::vector<TerminalTarget>& chosenTerminals,
                           std::u16string_view programFiles, std::u16string_view productDirectory) {
    std::u16string summary = Text(MessageId::SummaryProduct, u"Product to Install:");
    summary += text::Format(u"\r\n\t%s v%s\r\n\r\n", {productName, versionText});
    summary += Text(MessageId::SummaryTargets, u"Taget Folder(s)");
    summary += u"\r\n";
    for (const TerminalTarget& terminal : chosenTerminals) {
        summary += u"\r\t";
        summary += terminal.label;
        summary += u"\r\n";
    }
    summary += u"\r\n";
    summary += Text(MessageId::SummaryProgramFolder, u"Program Folder");
    summary += u"\r\n\t";
    summary += programFiles;
    summary += u"\\";
    summary += productDirectory;
    summary += u"\r\n";
    return summary;
}

std::u16string LogLine(MessageId id, const char16_t* english) {
    return Text(id, english) + std::u16string(u"\r\n");
}

std::u16string CopyingLine(std::u16string_view fileName) {
    return text::Format(LogLine(MessageId::CopyingLine, u"Copying %s..."), {fileName});
}

std::u16string ShortcutLine(std::u16string_view shortcutName) {
    return text::Format(LogLine(MessageId::ShortcutLine, u"Creating shortcut %s..."),
                        {shortcutName});
}

std::u16string InstallFailureMessage(int32_t extractResult) {
    switch (extractResult) {
        case SFX_ERR_SIGNATURE:
        case SFX_ERR_NO_FILES:
            return Text(MessageId::NoDataMessage,
                        u"Archive contins no data. Extraction cannot continue.");
        case SFX_ERR_WRITE:
            return Text(MessageId::WriteFailedMessage,
                        u"The output file could not be written. You may not have enough harddisk "
                        u"space or file may already started.");
        default:
            return Text(MessageId::InternalErrorMessage, u"Internal Error");
    }
}

std::u16string FinishText(std::u16string_view productName, std::u16string_view versionText,
                          std::u16string_view contactEmail) {
    return text::Format(
        Text(MessageId::FinishText,
             u"The wizard has finished installing %s to your computer. You can now launch "
             u"Metatrader application to see %s %s in action. Should you have any trouble "
             u"contact %s. Enjoy it"),
        {productName, productName, versionText, contactEmail});
}

std::u16string TerminalProgramPath(std::u16string_view terminalFolder) {
    std::u16string path(terminalFolder);
    if (path.empty() || path.back() != u'\\') path += u'\\';
    path += u"terminal.exe";
    return path;
}

}  // namespace installer
