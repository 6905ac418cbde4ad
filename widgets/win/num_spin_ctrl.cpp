#include "widgets/win/num_spin_ctrl.h"

#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kObjectProperty[] = L"TessarkNumSpin";

}  // namespace

CNumSpinCtrl::~CNumSpinCtrl() {
    if (m_hwnd && IsWindow(m_hwnd)) {
        RemovePropW(m_hwnd, kObjectProperty);
        DestroyWindow(m_hwnd);
    }
}

bool CNumSpinCtrl::Create(HWND parent, HWND buddy, int x, int y, int width, int height, int id) {
    if (m_hwnd) return false;
    m_hwnd = win::CreateControl(parent, id, UPDOWN_CLASSW, L"", WS_VISIBLE | UDS_ARROWKEYS, 0,
                                {x, y, x + width, y + height});
    if (!m_hwnd) return false;
    SetPropW(m_hwnd, kObjectProperty, this);
    m_buddy = buddy;
    SendMessageW(m_hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    UpdatePosition();
    return true;
}

void CNumSpinCtrl::SetRange(double minimum, double maximum) {
    m_settings.minimum = minimum;
    m_settings.maximum = maximum;
    UpdatePosition();
}

void CNumSpinCtrl::SetFormat(const std::string& format) {
    m_settings.format = format;
}

double CNumSpinCtrl::Value() const {
    return widgets::ParseNumber(BuddyText());
}

void CNumSpinCtrl::SetValue(double value) {
    if (m_buddy) SetWindowTextW(m_buddy, win::W(widgets::FormatNumber(value, m_settings)));
    UpdatePosition();
}

bool CNumSpinCtrl::Reflect(const NMHDR& header, LRESULT* result) {
    if (header.code != UDN_DELTAPOS) return false;
    CNumSpinCtrl* self = FromHandle(header.hwndFrom);
    if (!self) return false;
    self->Spin(reinterpret_cast<const NMUPDOWN&>(header).iDelta);
    // The position follows the value (UpdatePosition), not the control's own count.
    *result = TRUE;
    return true;
}

CNumSpinCtrl* CNumSpinCtrl::FromHandle(HWND window) {
    return window ? static_cast<CNumSpinCtrl*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void CNumSpinCtrl::Spin(int count) {
    if (!m_buddy) return;
    SetWindowTextW(m_buddy, win::W(widgets::SpinText(BuddyText(), count, m_settings)));
    UpdatePosition();
}

void CNumSpinCtrl::UpdatePosition() {
    if (!m_hwnd) return;
    SendMessageW(m_hwnd, UDM_SETRANGE32, 0, widgets::HighestSpinPosition(m_settings));
    SendMessageW(m_hwnd, UDM_SETPOS32, 0, widgets::SpinPosition(Value(), m_settings));
}

std::u16string CNumSpinCtrl::BuddyText() const {
    if (!m_buddy) return {};
    wchar_t text[128] = {};
    GetWindowTextW(m_buddy, text, static_cast<int>(sizeof(text) / sizeof(text[0])));
    return win::U16(text);
}
