#include "widgets/hyperlink_text.h"

#include "base/text.h"

namespace widgets {

namespace {

// The published result codes of the shell's open function and what they mean.
std::u16string ReasonFor(int32_t shellResult) {
    switch (shellResult) {
        case 0:
            return u"The operating system is out\nof memory or resources.";
        case 2:
            return u"The specified file was not found.";
        case 3:
            return u"The specified path was not found.";
        case 5:
            return u"The operating system denied\naccess to the specified file.";
        case 8:
            return u"There was not enough memory to complete the operation.";
        case 11:
            return u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        case 26:
            return u"A sharing violation occurred. ";
        case 27:
            return u"The filename association is\nincomplete or invalid.";
        case 28:
            return u"The DDE transaction could not\nbe completed because the request timed out.";
        case 29:
            return u"The DDE transaction failed.";
        case 30:
            return u"The DDE transaction could not\nbe completed because other DDE "
                   u"transactions\nwere being processed.";
        case 31:
            return u"There is no application associated\nwith the given filename extension.";
        case 32:
            return u"The specified dynamic-link library was not found.";
        default:
            return text::Format(u"Unknown Error (%d) occurred.", {text::FromInt(shellResult)});
    }
}

}  // namespace

std::u16string HyperlinkFailureText(int32_t shellResult) {
    return u"Unable to open hyperlink:\n\n" + ReasonFor(shellResult);
}

std::u16string BrowserCommandLine(std::u16string_view openCommand, std::u16string_view address) {
    size_t cut = openCommand.find(u"\"%1\"");
    if (cut == std::u16string_view::npos) cut = openCommand.find(u"%1");
    std::u16string line(openCommand.substr(0, cut));
    line += u' ';
    line += address;
    return line;
}

}  // namespace widgets
