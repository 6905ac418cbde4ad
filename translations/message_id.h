#pragma once
// The identifiers of every text the setup and the uninstaller show (see messages.def).

#include <cstdint>

namespace translations {

enum class MessageId : uint16_t {
#define MESSAGE(id, english) id,
#include "translations/messages.def"
#undef MESSAGE
};

inline constexpr int kMessageCount = 0
#define MESSAGE(id, english) +1
#include "translations/messages.def"
#undef MESSAGE
    ;

}  // namespace translations
