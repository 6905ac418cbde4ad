#include "builder/ui/win/menu_ch.h"

#include <algorithm>

#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const int kImageColumnPadding = 4;
const int kTextGap = 8;
const int kAcceleratorGap = 24;
const COLORREF kImageColumn = RGB(236, 240, 240);
const COLORREF kSelectedFill = RGB(221, 240, 238);
const COLORREF kSelectedBorder = RGB(23, 112, 124);

void SplitAccelerator(const std::u16string& text, std::u16string* label, std::u16string* keys) {
    const size_t tab = text.find(u'\t');
    *label = text.substr(0, tab);
    *keys = tab == std::u16string::npos ? std::u16string() : text.substr(tab + 1);
}

}  // namespace

CMenuCH::~CMenuCH() {
    if (m_menu) DestroyMenu(m_menu);
}

bool CMenuCH::CreatePopup() {
    if (m_menu) return false;
    m_menu = CreatePopupMenu();
    return m_menu != nullptr;
}

HMENU CMenuCH::Release() {
    HMENU menu = m_menu;
    m_menu = nullptr;
    return menu;
}

bool CMenuCH::LoadImages(HINSTANCE instance, int bitmapId, int imageWidth, int imageHeight) {
    m_images.reset(win::LoadImageStrip(instance, bitmapId, imageWidth, imageHeight));
    m_imageWidth = imageWidth;
    m_imageHeight = imageHeight;
    return static_cast<bool>(m_images);
}

bool CMenuCH::AppendItem(UINT command, const std::u16string& text, int image) {
    if (!m_menu) return false;
    auto item = std::make_unique<Item>();
    item->text = text;
    item->image = image;
    // The text is kept in the menu too, so that keyboard access and tools can read it.
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
    info.fType = MFT_OWNERDRAW;
    info.wID = command;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
    info.dwTypeData = const_cast<wchar_t*>(win::W(item->text));
    if (!InsertMenuItemW(m_menu, GetMenuItemCount(m_menu), TRUE, &info)) return false;
    m_items.push_back(std::move(item));
    return true;
}

bool CMenuCH::AppendSeparator() {
    if (!m_menu) return false;
    auto item = std::make_unique<Item>();
    item->separator = true;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = MFT_OWNERDRAW | MFT_SEPARATOR;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
    if (!InsertMenuItemW(m_menu, GetMenuItemCount(m_menu), TRUE, &info)) return false;
    m_items.push_back(std::move(item));
    return true;
}

const CMenuCH::Item* CMenuCH::Find(ULONG_PTR data) const {
    for (const auto& item : m_items) {
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return item.get();
    }
    return nullptr;
}

HFONT CMenuCH::MenuFont() const {
    if (!m_font) {
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
            m_font.reset(CreateFontIndirectW(&metrics.lfMenuFont));
        }
    }
    return m_font ? m_font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool CMenuCH::MeasureItem(MEASUREITEMSTRUCT* measure) const {
    if (measure->CtlType != ODT_MENU) return false;
    const Item* item = Find(measure->itemData);
    if (!item) return false;
    if (item->separator) {
        measure->itemWidth = 0;
        measure->itemHeight = 7;
        return true;
    }
    std::u16string label, keys;
    SplitAccelerator(item->text, &label, &keys);
    RECT labelBox = {}, keysBox = {};
    HDC dc = GetDC(nullptr);
    {
        win::SelectScope font(dc, MenuFont());
        DrawTextW(dc, win::W(label), -1, &labelBox, DT_SINGLELINE | DT_CALCRECT);
        DrawTextW(dc, win::W(keys), -1, &keysBox, DT_SINGLELINE | DT_CALCRECT);
    }
    ReleaseDC(nullptr, dc);
    measure->itemWidth = m_imageWidth + 2 * kImageColumnPadding + kTextGap + labelBox.right +
                         (keys.empty() ? 0 : kAcceleratorGap + keysBox.right);
    measure->itemHeight = std::max<UINT>(m_imageHeight + 6, labelBox.bottom + 8);
    return true;
}

bool CMenuCH::DrawItem(const DRAWITEMSTRUCT& draw) const {
    if (draw.CtlType != ODT_MENU) return false;
    const Item* item = Find(draw.itemData);
    if (!item) return false;
    HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    const int column = m_imageWidth + 2 * kImageColumnPadding;

    FillRect(dc, &rect, GetSysColorBrush(COLOR_MENU));
    RECT imageColumn = {rect.left, rect.top, rect.left + column, rect.bottom};
    win::FillSolid(dc, imageColumn, kImageColumn);

    if (item->separator) {
        RECT line = {rect.left + column + kTextGap / 2, (rect.top + rect.bottom) / 2,
                     rect.right - 2, 0};
        line.bottom = line.top + 2;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return true;
    }

    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    if (selected && !disabled) {
        RECT box = rect;
        InflateRect(&box, -1, 0);
        win::FillFramed(dc, box, kSelectedFill, kSelectedBorder);
    }
    if (item->image >= 0 && m_images) {
        const int top = rect.top + (rect.bottom - rect.top - m_imageHeight) / 2;
        ImageList_Draw(m_images.get(), item->image, dc, rect.left + kImageColumnPadding, top,
                       ILD_TRANSPARENT | (disabled ? ILD_BLEND50 : 0));
    }

    std::u16string label, keys;
    SplitAccelerator(item->text, &label, &keys);
    win::TextScope textLook(dc, MenuFont(),
                            GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
    RECT text = {rect.left + column + kTextGap, rect.top, rect.right - kTextGap, rect.bottom};
    const UINT format =
        DT_SINGLELINE | DT_VCENTER | ((draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    DrawTextW(dc, win::W(label), -1, &text, format | DT_LEFT);
    DrawTextW(dc, win::W(keys), -1, &text, format | DT_RIGHT);
    return true;
}
