#include "registry/nt_messages.h"

#include "base/text.h"

namespace registry {

std::u16string MissingEntryPointText(std::string_view functionName) {
    // The bound names are ASCII: each character widens as it is.
    const std::u16string name = functionName == "NtSetValueKey"
                                    ? u"NTSetValueKey"
                                    : std::u16string(functionName.begin(), functionName.end());
    return text::Format(u"Could not find %s entry point in NTDLL.DLL", {name});
}

std::u16string NtErrorText(uint32_t status, std::u16string_view systemMessage) {
    // Upper-case hexadecimal, padded with blanks to 8 places (all a status can have).
    char16_t hex[8];
    size_t first = sizeof hex / sizeof hex[0];
    uint32_t rest = status;
    do {
        const uint32_t digit = rest & 0xF;
        hex[--first] = static_cast<char16_t>(digit < 10 ? u'0' + digit : u'A' + digit - 10);
        rest >>= 4;
    } while (rest != 0);
    for (size_t i = 0; i < first; ++i) hex[i] = u' ';

    std::u16string_view message = systemMessage;
    if (!message.empty() && message.back() == u'\n') message.remove_suffix(1);
    if (!message.empty() && message.back() == u'\r') message.remove_suffix(1);
    if (message.empty()) message = u"No NT Error Data was returned??";
    return text::Format(u"Error( %s [0x%sL] ) - %s",
                        {text::FromInt(status), std::u16string_view(hex, 8), message});
}

}  // namespace registry
