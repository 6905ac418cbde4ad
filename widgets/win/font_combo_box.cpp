#include "widgets/win/font_combo_box.h"

#include "widgets/num_spin_value.h"
#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace {

const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
// Rich edit sizes are twips in a 16-bit field: at most 1638 points.
const int kMaxPoints = 1638;

HWND MakeCombo(HWND parent, int id, int x, int y, int width, DWORD style) {
    return win::CreateControl(
        parent, id, L"COMBOBOX", L"",
        WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | style, 0,
        {x, y, x + width, y + 300}, win::DefaultGuiFont());
}

int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM combo) {
    HWND box = reinterpret_cast<HWND>(combo);
    // Vertical variants ("@Name") are not faces an author picks.
    if (font->lfFaceName[0] == L'@') return 1;
    if (SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(font->lfFaceName)) == CB_ERR) {
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
    }
    return 1;
}

std::u16string ComboText(HWND combo) {
    wchar_t text[LF_FACESIZE + 1] = {};
    GetWindowTextW(combo, text, LF_FACESIZE + 1);
    return win::U16(text);
}

}  // namespace

bool CFontComboBox::Create(HWND parent, int x, int y, int width) {
    m_hwnd = MakeCombo(parent, kId, x, y, width, CBS_SORT);
    if (!m_hwnd) return false;
    HDC screen = GetDC(nullptr);
    LOGFONTW all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen, &all, AddFamily, reinterpret_cast<LPARAM>(m_hwnd), 0);
    ReleaseDC(nullptr, screen);
    return true;
}

void CFontComboBox::ShowFace(const std::u16string& face) {
    const LRESULT index = face.empty()
                              ? CB_ERR
                              : SendMessageW(m_hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(win::W(face)));
    SendMessageW(m_hwnd, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : index, 0);
    if (index == CB_ERR) SetWindowTextW(m_hwnd, win::W(face));
}

std::u16string CFontComboBox::Face(bool typed) const {
    const LRESULT index = typed ? CB_ERR : SendMessageW(m_hwnd, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return ComboText(m_hwnd);
    const LRESULT length = SendMessageW(m_hwnd, CB_GETLBTEXTLEN, index, 0);
    if (length <= 0 || length > LF_FACESIZE) return ComboText(m_hwnd);
    wchar_t face[LF_FACESIZE + 1] = {};
    SendMessageW(m_hwnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(face));
    return win::U16(face);
}

bool CSizeComboBox::Create(HWND parent, int x, int y, int width) {
    m_hwnd = MakeCombo(parent, kId, x, y, width, 0);
    if (!m_hwnd) return false;
    for (int size : kSizes) {
        SendMessageW(m_hwnd, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(std::to_wstring(size).c_str()));
    }
    return true;
}

void CSizeComboBox::ShowPoints(int points) {
    const std::wstring text = points > 0 ? std::to_wstring(points) : std::wstring();
    const LRESULT index = text.empty()
                              ? CB_ERR
                              : SendMessageW(m_hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(m_hwnd, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : index, 0);
    if (index == CB_ERR) SetWindowTextW(m_hwnd, text.c_str());
}

int CSizeComboBox::Points(bool typed) const {
    std::u16string text;
    const LRESULT index = typed ? CB_ERR : SendMessageW(m_hwnd, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR && SendMessageW(m_hwnd, CB_GETLBTEXTLEN, index, 0) < 16) {
        wchar_t item[16] = {};
        SendMessageW(m_hwnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item));
        text = win::U16(item);
    } else {
        text = ComboText(m_hwnd);
    }
    const double points = widgets::ParseNumber(text);
    if (!(points >= 1) || points > kMaxPoints) return 0;
    return static_cast<int>(points + 0.5);
}
