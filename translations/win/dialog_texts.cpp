#include "translations/win/dialog_texts.h"

#include "translations/active_texts.h"

namespace translations {

void TranslateDialog(HWND dialog, int templateId, const DialogText* table, size_t count) {
    if (!UsesTranslation()) return;
    for (const DialogText* row = table; row != table + count; ++row) {
        if (row->templateId != 0 && row->templateId != templateId) continue;
        const auto* text = reinterpret_cast<const wchar_t*>(Text(row->message, nullptr));
        if (row->controlId == 0) {
            SetWindowTextW(dialog, text);
        } else {
            SetDlgItemTextW(dialog, row->controlId, text);
        }
    }
}

}  // namespace translations
