#include "builder/ui/win/ruler_rich_edit.h"

#include <algorithm>

#include "base/text.h"
#include "widgets/byte_feeder.h"
#include "widgets/ruler_rules.h"
#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace {

const DWORD kEditStyle =
    WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_NOHIDESEL | ES_WANTRETURN;

DWORD CALLBACK CollectBytes(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                   static_cast<size_t>(size));
    *done = size;
    return 0;
}

DWORD CALLBACK FeedBytes(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    auto* feeder = reinterpret_cast<widgets::ByteFeeder*>(cookie);
    *done = static_cast<LONG>(
        feeder->Read(reinterpret_cast<char*>(buffer), size > 0 ? static_cast<size_t>(size) : 0));
    return 0;
}

}  // namespace

bool CRulerRichEdit::Create(HWND parent, const RECT& rect, bool autoHorizontalScroll) {
    if (m_hwnd) return false;
    m_hwnd = win::CreateControl(parent, kEditId, L"RichEdit20W", L"",
                                kEditStyle | (autoHorizontalScroll ? ES_AUTOHSCROLL : 0), 0, rect);
    if (!m_hwnd) return false;
    ApplyDefaultFormat();
    SendMessageW(m_hwnd, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SCROLL | ENM_SELCHANGE);
    return true;
}

std::u16string CRulerRichEdit::GetRtf() const {
    // The pieces are joined before they are decoded: a character must not be cut in two.
    std::string bytes;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&bytes);
    stream.pfnCallback = CollectBytes;
    SendMessageW(m_hwnd, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return text::FromUtf8(bytes);
}

void CRulerRichEdit::SetRtf(const std::u16string& rtf) {
    if (rtf.empty()) {
        SetWindowTextW(m_hwnd, L"");
        ApplyDefaultFormat();
        return;
    }
    widgets::ByteFeeder feeder(text::ToUtf8(rtf));
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&feeder);
    stream.pfnCallback = FeedBytes;
    SendMessageW(m_hwnd, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void CRulerRichEdit::ApplyDefaultFormat() {
    CHARFORMAT2W format = {};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = 200;
    lstrcpynW(format.szFaceName, L"Times New Roman", LF_FACESIZE);
    SendMessageW(m_hwnd, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(m_hwnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    SetSelectionTabStops(widgets::DefaultTabStops());
}

CHARFORMAT2W CRulerRichEdit::SelectionCharFormat() const {
    CHARFORMAT2W format = {};
    format.cbSize = sizeof(format);
    SendMessageW(m_hwnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

void CRulerRichEdit::SetSelectionCharFormat(CHARFORMAT2W format) {
    format.cbSize = sizeof(format);
    SendMessageW(m_hwnd, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

PARAFORMAT2 CRulerRichEdit::SelectionParaFormat() const {
    PARAFORMAT2 format = {};
    format.cbSize = sizeof(format);
    SendMessageW(m_hwnd, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
}

void CRulerRichEdit::SetSelectionParaFormat(PARAFORMAT2 format) {
    format.cbSize = sizeof(format);
    SendMessageW(m_hwnd, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

std::vector<int> CRulerRichEdit::SelectionTabStops() const {
    const PARAFORMAT2 format = SelectionParaFormat();
    if (!(format.dwMask & PFM_TABSTOPS) || format.cTabCount <= 0) return widgets::DefaultTabStops();
    std::vector<int> stops;
    const int count = std::min<int>(format.cTabCount, widgets::kMaxTabStops);
    // The high byte of a stop holds its alignment and leader; the position is the rest.
    for (int i = 0; i < count; ++i) stops.push_back(format.rgxTabs[i] & 0x00FFFFFF);
    return stops;
}

void CRulerRichEdit::SetSelectionTabStops(const std::vector<int>& twips) {
    PARAFORMAT2 format = {};
    format.dwMask = PFM_TABSTOPS;
    format.cTabCount = static_cast<SHORT>(std::min<size_t>(twips.size(), widgets::kMaxTabStops));
    for (int i = 0; i < format.cTabCount; ++i) format.rgxTabs[i] = twips[i];
    SetSelectionParaFormat(format);
}

void CRulerRichEdit::ToggleEffect(DWORD mask, DWORD effect) {
    const CHARFORMAT2W current = SelectionCharFormat();
    const bool wholeSelectionHasIt = (current.dwMask & mask) && (current.dwEffects & effect);
    CHARFORMAT2W format = {};
    format.dwMask = mask;
    format.dwEffects = wholeSelectionHasIt ? 0 : effect;
    SetSelectionCharFormat(format);
}
