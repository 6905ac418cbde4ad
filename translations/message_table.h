#pragma once
// Every message's identifier as written in the language files, and its English text.

#include "translations/message_id.h"

namespace translations {

struct MessageInfo {
    const char* name;
    const char16_t* english;
};

extern const MessageInfo kMessages[kMessageCount];

}  // namespace translations
