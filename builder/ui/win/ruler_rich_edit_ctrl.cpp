#include "builder/ui/win/ruler_rich_edit_ctrl.h"

#include <commdlg.h>

#include "os/os.h"
#include "os/whole_file.h"
#include "widgets/ruler_rules.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"TessarkRulerRichEdit";
const int kToolbarId = 10;
const int kRulerId = 11;

// The text in the ANSI code page; characters it lacks become its default character.
std::string ToAnsi(const std::u16string& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_ACP, 0, win::W(text), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, win::W(text), length, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

}  // namespace

CRulerRichEditCtrl::CRulerRichEditCtrl() : m_library(LoadLibraryW(L"Riched20.dll")) {}

CRulerRichEditCtrl::~CRulerRichEditCtrl() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool CRulerRichEditCtrl::Create(HWND parent, int id, const RECT& rect, bool autoHorizontalScroll) {
    if (!m_library) return false;
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW,
                               GetSysColorBrush(COLOR_BTNFACE))) {
        return false;
    }
    if (!win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  WS_EX_CONTROLPARENT, rect, parent, id)) {
        return false;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int editTop = kToolbarHeight + kRulerHeight;
    if (!m_edit.Create(hwnd(), {0, editTop, width, height > editTop ? height : editTop},
                       autoHorizontalScroll) ||
        !m_toolbar.Create(hwnd(), kToolbarId, {0, 0, width, kToolbarHeight}) ||
        !m_ruler.Create(hwnd(), kRulerId, {0, kToolbarHeight, width, editTop}, m_edit.hwnd())) {
        return false;
    }
    UpdateToolbar();
    return true;
}

void CRulerRichEditCtrl::SetRTF(const std::u16string& rtf) {
    m_edit.SetRtf(rtf);
    UpdateToolbar();
}

bool CRulerRichEditCtrl::Save(const std::u16string& path) {
    const std::string bytes = ToAnsi(GetRTF());
    if (os::WriteWholeFile(path, bytes.data(), static_cast<uint32_t>(bytes.size()))) {
        m_lastError.clear();
        return true;
    }
    m_lastError = os::LastErrorMessage();
    return false;
}

void CRulerRichEditCtrl::Layout(int width, int height) {
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    const int editTop = kToolbarHeight + kRulerHeight;
    SetWindowPos(m_toolbar.hwnd(), nullptr, 0, 0, width, kToolbarHeight, flags);
    SetWindowPos(m_ruler.hwnd(), nullptr, 0, kToolbarHeight, width, kRulerHeight, flags);
    SetWindowPos(m_edit.hwnd(), nullptr, 0, editTop, width, height > editTop ? height - editTop : 0,
                 flags);
}

void CRulerRichEditCtrl::UpdateToolbar() {
    const CHARFORMAT2W character = m_edit.SelectionCharFormat();
    auto has = [&](DWORD mask, DWORD effect) {
        return (character.dwMask & mask) && (character.dwEffects & effect);
    };
    m_toolbar.SetChecked(CRRECToolbar::kBold, has(CFM_BOLD, CFE_BOLD));
    m_toolbar.SetChecked(CRRECToolbar::kItalic, has(CFM_ITALIC, CFE_ITALIC));
    m_toolbar.SetChecked(CRRECToolbar::kUnderline, has(CFM_UNDERLINE, CFE_UNDERLINE));
    m_toolbar.FaceBox().ShowFace((character.dwMask & CFM_FACE) ? win::U16(character.szFaceName)
                                                               : std::u16string());
    m_toolbar.SizeBox().ShowPoints((character.dwMask & CFM_SIZE) ? character.yHeight / 20 : 0);
    if (character.dwMask & CFM_COLOR) {
        m_toolbar.ColourPicker().SetColour(
            (character.dwEffects & CFE_AUTOCOLOR) ? CLR_DEFAULT : character.crTextColor);
    }

    const PARAFORMAT2 paragraph = m_edit.SelectionParaFormat();
    const bool known = (paragraph.dwMask & PFM_ALIGNMENT) != 0;
    m_toolbar.SetChecked(CRRECToolbar::kAlignLeft, known && paragraph.wAlignment == PFA_LEFT);
    m_toolbar.SetChecked(CRRECToolbar::kAlignCentre, known && paragraph.wAlignment == PFA_CENTER);
    m_toolbar.SetChecked(CRRECToolbar::kAlignRight, known && paragraph.wAlignment == PFA_RIGHT);
    m_toolbar.SetChecked(CRRECToolbar::kBullets,
                         (paragraph.dwMask & PFM_NUMBERING) && paragraph.wNumbering == PFN_BULLET);
    SendMessageW(m_toolbar.hwnd(), TB_HIDEBUTTON, CRRECToolbar::kUnused, MAKELPARAM(TRUE, 0));
    m_ruler.SetTabStops(m_edit.SelectionTabStops());
}

void CRulerRichEditCtrl::OpenFontDialog() {
    const CHARFORMAT2W current = m_edit.SelectionCharFormat();
    LOGFONTW font = {};
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(current.yHeight, GetDeviceCaps(screen, LOGPIXELSY), 1440);
    ReleaseDC(nullptr, screen);
    font.lfWeight = (current.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (current.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    font.lfUnderline = (current.dwEffects & CFE_UNDERLINE) ? TRUE : FALSE;
    font.lfStrikeOut = (current.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, current.szFaceName, LF_FACESIZE);

    CHOOSEFONTW request = {};
    request.lStructSize = sizeof(request);
    request.hwndOwner = GetAncestor(hwnd(), GA_ROOT);
    request.lpLogFont = &font;
    request.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    request.rgbColors =
        (current.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : current.crTextColor;
    if (!ChooseFontW(&request)) return;

    CHARFORMAT2W format = {};
    format.dwMask =
        CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
    format.yHeight = request.iPointSize * 2;  // tenths of a point to twips
    format.dwEffects = (font.lfWeight >= FW_BOLD ? CFE_BOLD : 0) |
                       (font.lfItalic ? CFE_ITALIC : 0) | (font.lfUnderline ? CFE_UNDERLINE : 0) |
                       (font.lfStrikeOut ? CFE_STRIKEOUT : 0);
    format.crTextColor = request.rgbColors;
    lstrcpynW(format.szFaceName, font.lfFaceName, LF_FACESIZE);
    m_edit.SetSelectionCharFormat(format);
}

void CRulerRichEditCtrl::OpenColourDialog() {
    static COLORREF custom[16] = {};
    const CHARFORMAT2W current = m_edit.SelectionCharFormat();
    CHOOSECOLORW request = {};
    request.lStructSize = sizeof(request);
    request.hwndOwner = GetAncestor(hwnd(), GA_ROOT);
    request.rgbResult = current.crTextColor;
    request.lpCustColors = custom;
    request.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&request)) ApplyColour(request.rgbResult);
}

void CRulerRichEditCtrl::ApplyColour(COLORREF colour) {
    CHARFORMAT2W format = {};
    format.dwMask = CFM_COLOR;
    if (colour == CLR_DEFAULT) {
        format.dwEffects = CFE_AUTOCOLOR;
    } else {
        format.crTextColor = colour;
    }
    m_edit.SetSelectionCharFormat(format);
}

void CRulerRichEditCtrl::ApplyFace(const std::u16string& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) return;
    CHARFORMAT2W format = {};
    format.dwMask = CFM_FACE;
    lstrcpynW(format.szFaceName, win::W(face), LF_FACESIZE);
    m_edit.SetSelectionCharFormat(format);
}

void CRulerRichEditCtrl::ApplyPoints(int points) {
    if (points <= 0) return;
    CHARFORMAT2W format = {};
    format.dwMask = CFM_SIZE;
    format.yHeight = points * 20;
    m_edit.SetSelectionCharFormat(format);
}

void CRulerRichEditCtrl::SetAlignment(WORD alignment) {
    PARAFORMAT2 format = {};
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = alignment;
    m_edit.SetSelectionParaFormat(format);
}

void CRulerRichEditCtrl::MoveIndent(bool inwards) {
    const PARAFORMAT2 current = m_edit.SelectionParaFormat();
    const std::vector<int> stops = m_edit.SelectionTabStops();
    PARAFORMAT2 format = {};
    format.dwMask = PFM_STARTINDENT;
    format.dxStartIndent = inwards ? widgets::IndentToNextStop(stops, current.dxStartIndent)
                                   : widgets::OutdentToPreviousStop(stops, current.dxStartIndent);
    m_edit.SetSelectionParaFormat(format);
}

void CRulerRichEditCtrl::ToggleBullets() {
    const PARAFORMAT2 current = m_edit.SelectionParaFormat();
    const bool bulleted = (current.dwMask & PFM_NUMBERING) && current.wNumbering == PFN_BULLET;
    PARAFORMAT2 format = {};
    format.dwMask = PFM_NUMBERING | PFM_OFFSET;
    format.wNumbering = bulleted ? 0 : PFN_BULLET;
    format.dxOffset = bulleted ? 0 : 360;  // a quarter inch between bullet and text
    m_edit.SetSelectionParaFormat(format);
}

void CRulerRichEditCtrl::OnCommand(WORD code, WORD id, HWND control) {
    HWND edit = m_edit.hwnd();
    switch (id) {
        case CRulerRichEdit::kEditId:
            // The edit area's own notifications (EN_CHANGE) are the owner's.
            SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id, code),
                         reinterpret_cast<LPARAM>(control));
            return;
        case CFontComboBox::kId:
            if (code == CBN_SELENDOK)
                ApplyFace(m_toolbar.FaceBox().Face(false));
            else if (code == CBN_KILLFOCUS)
                ApplyFace(m_toolbar.FaceBox().Face(true));
            else
                return;
            break;
        case CSizeComboBox::kId:
            if (code == CBN_SELENDOK)
                ApplyPoints(m_toolbar.SizeBox().Points(false));
            else if (code == CBN_KILLFOCUS)
                ApplyPoints(m_toolbar.SizeBox().Points(true));
            else
                return;
            break;
        case CRRECToolbar::kColourPickerId:
            if (code != CColourPicker::kColourChanged) return;
            ApplyColour(m_toolbar.ColourPicker().Colour());
            break;
        case CRRECToolbar::kFont:
            OpenFontDialog();
            break;
        case CRRECToolbar::kColour:
            OpenColourDialog();
            break;
        case CRRECToolbar::kBold:
            m_edit.ToggleEffect(CFM_BOLD, CFE_BOLD);
            break;
        case CRRECToolbar::kItalic:
            m_edit.ToggleEffect(CFM_ITALIC, CFE_ITALIC);
            break;
        case CRRECToolbar::kUnderline:
            m_edit.ToggleEffect(CFM_UNDERLINE, CFE_UNDERLINE);
            break;
        case CRRECToolbar::kAlignLeft:
            SetAlignment(PFA_LEFT);
            break;
        case CRRECToolbar::kAlignCentre:
            SetAlignment(PFA_CENTER);
            break;
        case CRRECToolbar::kAlignRight:
            SetAlignment(PFA_RIGHT);
            break;
        case CRRECToolbar::kIndent:
            MoveIndent(true);
            break;
        case CRRECToolbar::kOutdent:
            MoveIndent(false);
            break;
        case CRRECToolbar::kBullets:
            ToggleBullets();
            break;
        case CRRECToolbar::kCut:
            SendMessageW(edit, WM_CUT, 0, 0);
            break;
        case CRRECToolbar::kCopy:
            SendMessageW(edit, WM_COPY, 0, 0);
            break;
        case CRRECToolbar::kPaste:
            SendMessageW(edit, WM_PASTE, 0, 0);
            break;
        case CRRECToolbar::kUndo:
            SendMessageW(edit, EM_UNDO, 0, 0);
            break;
        default:
            return;
    }
    // Typing into a box must not be cut short by taking the focus away.
    if (code != CBN_KILLFOCUS) SetFocus(edit);
    UpdateToolbar();
}

LRESULT CRulerRichEditCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SETFOCUS:
            if (m_edit.hwnd()) SetFocus(m_edit.hwnd());
            return 0;
        case WM_COMMAND:
            OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY: {
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.hwndFrom == m_edit.hwnd() && header.code == EN_SELCHANGE) {
                UpdateToolbar();
                return 0;
            }
            if (header.code == TTN_GETDISPINFOW) {
                auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
                if (const wchar_t* tip = CRRECToolbar::Tooltip(static_cast<int>(header.idFrom))) {
                    info.lpszText = const_cast<wchar_t*>(tip);
                }
                return 0;
            }
            return SendMessageW(GetParent(hwnd()), WM_NOTIFY, wParam, lParam);
        }
        case CRRECRuler::kTabMovedMessage: {
            std::vector<int> stops = m_ruler.TabStops();
            const size_t index = static_cast<size_t>(wParam);
            if (index < stops.size()) {
                stops[index] = static_cast<int>(lParam);
                m_edit.SetSelectionTabStops(stops);
                UpdateToolbar();
            }
            return 0;
        }
    }
    return Default(message, wParam, lParam);
}
