#include "translations/message_table.h"

namespace translations {

const MessageInfo kMessages[kMessageCount] = {
#define MESSAGE(id, english) {#id, u"" english},
#include "translations/messages.def"
#undef MESSAGE
};

}  // namespace translations
