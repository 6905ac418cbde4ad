#pragma once
// Translating a dialog made from an English template: a table names which control of which
// template shows which message.

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "translations/message_id.h"

namespace translations {

struct DialogText {
    uint16_t templateId;  // 0: every template
    uint16_t controlId;   // 0: the window's caption
    MessageId message;
};

// Gives `dialog`, made from `templateId`, the translation of every text `table` names for it, in
// table order (so a later row wins). Nothing changes while English is in use.
void TranslateDialog(HWND dialog, int templateId, const DialogText* table, size_t count);

}  // namespace translations
