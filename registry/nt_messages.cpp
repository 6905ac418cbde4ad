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
    std::u16string hex;
    uint32_t rest = status;
    do {
        const uint32_t digit = rest & 0xF;
        hex.insert(hex.begin(),
                   static_cast<char16_t>(digit < 10 ? u'0' + digit : u'A' + digit - 10));
        rest >>= 4;
    } while (rest != 0);
    if (hex.size() < 8) hex.insert(0, 8 - hex.size(), u' ');

    std::u16string_view message = systemMessage;
    if (!message.empty() && message.back() == u'\n') message.remove_suffix(1);
    if (!message.empty() && message.back() == u'\r') message.remove_suffix(1);
    if (message.empty()) message = u"No NT Error Data was returned??";
    return text::Format(u"Error( %s [0x%sL] ) - %s", {text::FromInt(status), hex, message});
}

}  // namespace registry
