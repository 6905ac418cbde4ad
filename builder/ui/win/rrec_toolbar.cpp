#include "builder/ui/win/rrec_toolbar.h"

#include "builder/ui/win/widget_resource_ids.h"
#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace {

std::u16string ResourceText(int id, const char16_t* fallback) {
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? win::U16(text, static_cast<size_t>(length)) : std::u16string(fallback);
}

// A separator whose width makes room for a box or the picker (iBitmap is its width).
struct Slot {
    int command;  // 0 for a separator
    int width;    // separators only
    BYTE style;
};

const BYTE kCheck = BTNS_CHECK;
const BYTE kGroup = BTNS_CHECKGROUP;

// Indices of the separators that hold the face box, the size box and the picker.
const int kFaceSlot = 0;
const int kSizeSlot = 2;
const int kPickerSlot = 5;

const Slot kSlots[] = {
    {0, 150, BTNS_SEP},
    {0, 4, BTNS_SEP},
    {0, 48, BTNS_SEP},
    {0, 6, BTNS_SEP},
    {CRRECToolbar::kFont, 0, BTNS_BUTTON},
    {0, 34, BTNS_SEP},
    {CRRECToolbar::kColour, 0, BTNS_BUTTON},
    {0, 6, BTNS_SEP},
    {CRRECToolbar::kBold, 0, kCheck},
    {CRRECToolbar::kItalic, 0, kCheck},
    {CRRECToolbar::kUnderline, 0, kCheck},
    {0, 6, BTNS_SEP},
    {CRRECToolbar::kAlignLeft, 0, kGroup},
    {CRRECToolbar::kAlignCentre, 0, kGroup},
    {CRRECToolbar::kAlignRight, 0, kGroup},
    {0, 6, BTNS_SEP},
    {CRRECToolbar::kIndent, 0, BTNS_BUTTON},
    {CRRECToolbar::kOutdent, 0, BTNS_BUTTON},
    {CRRECToolbar::kBullets, 0, kCheck},
    {0, 6, BTNS_SEP},
    {CRRECToolbar::kCut, 0, BTNS_BUTTON},
    {CRRECToolbar::kCopy, 0, BTNS_BUTTON},
    {CRRECToolbar::kPaste, 0, BTNS_BUTTON},
    {CRRECToolbar::kUndo, 0, BTNS_BUTTON},
    {CRRECToolbar::kUnused, 0, BTNS_BUTTON},
};

}  // namespace

CRRECToolbar::~CRRECToolbar() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool CRRECToolbar::Create(HWND parent, int id, const RECT& rect) {
    HWND bar = win::CreateControl(parent, id, TOOLBARCLASSNAMEW, L"",
                                  WS_VISIBLE | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                      CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                                  0, rect);
    if (!AttachCreated(bar)) return false;
    m_images.reset(win::LoadImageStrip(GetModuleHandleW(nullptr), IDB_RICHEDIT_TOOLBAR, 16, 15));
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.get()));
    for (const Slot& slot : kSlots) {
        TBBUTTON button = {};
        button.fsStyle = slot.style;
        if (slot.command == 0) {
            button.iBitmap = slot.width;
        } else {
            button.idCommand = slot.command;
            button.iBitmap = slot.command - kFont;
            button.fsState = TBSTATE_ENABLED;
        }
        SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageW(bar, TB_HIDEBUTTON, kUnused, MAKELPARAM(TRUE, 0));

    const RECT face = ItemRect(kFaceSlot);
    const RECT size = ItemRect(kSizeSlot);
    RECT picker = ItemRect(kPickerSlot);
    InflateRect(&picker, -2, -1);
    return m_face.Create(bar, face.left, face.top, face.right - face.left) &&
           m_size.Create(bar, size.left, size.top, size.right - size.left) &&
           m_colour.Create(bar, kColourPickerId, picker,
                           {ResourceText(IDS_COLOUR_PICKER, u"Color"),
                            ResourceText(IDS_COLOUR_AUTOMATIC, u"Automatic"),
                            ResourceText(IDS_COLOUR_MORE, u"More Colours...")});
}

RECT CRRECToolbar::ItemRect(int index) const {
    RECT rect = {};
    SendMessageW(hwnd(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void CRRECToolbar::SetChecked(int command, bool checked) {
    SendMessageW(hwnd(), TB_CHECKBUTTON, command, MAKELPARAM(checked ? TRUE : FALSE, 0));
}

bool CRRECToolbar::IsChecked(int command) const {
    return SendMessageW(hwnd(), TB_ISBUTTONCHECKED, command, 0) != 0;
}

const wchar_t* CRRECToolbar::Tooltip(int command) {
    switch (command) {
        case kFont:
            return L"Font";
        case kColour:
            return L"Text Colour";
        case kBold:
            return L"Bold";
        case kItalic:
            return L"Italic";
        case kUnderline:
            return L"Underline";
        case kAlignLeft:
            return L"Align Left";
        case kAlignCentre:
            return L"Centre";
        case kAlignRight:
            return L"Align Right";
        case kIndent:
            return L"Indent";
        case kOutdent:
            return L"Outdent";
        case kBullets:
            return L"Bullets";
        case kCut:
            return L"Cut";
        case kCopy:
            return L"Copy";
        case kPaste:
            return L"Paste";
        case kUndo:
            return L"Undo";
        default:
            return nullptr;
    }
}

LRESULT CRRECToolbar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The boxes and the picker are the toolbar's children; the editor handles their commands.
    if (message == WM_COMMAND && lParam != 0) {
        return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    }
    return Default(message, wParam, lParam);
}
