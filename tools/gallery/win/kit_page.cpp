#include "tools/gallery/win/kit_page.h"

#include "builder/ui/win/widget_resource_ids.h"
#include "tools/gallery/win/gallery_ids.h"
#include "widgets/image_fit.h"

namespace gallery {

namespace {

const wchar_t kClassName[] = L"TessarkGalleryKit";
const int kFirstSectionId = 300;
const int kUpdateId = 310;
const int kToolbarId = 320;
const int kHeaderId = 321;
const int kFirstImageId = 330;
// The builder's command identifiers of its toolbar buttons.
const int kNewProject = 57600;
const int kOpenProject = 57601;
const int kSaveProject = 57603;
const int kTestProject = 32775;
const int kAbout = 57664;
const int kHelp = 32779;

struct Section {
    const char16_t* caption;
    int icon;
    const char16_t* description;
};

const Section kSections[KitPage::kSectionCount] = {
    {u"Project Info", IDI_BUILDER,
     u"In this section you need to enter general information about your product name, version, "
     u"publisher address, website, etc."},
    {u"Files", 147,
     u"In this section you can add Expert Advisors, Scripts, Custom Indicators or other files "
     u"that you want to install to MetaTrader folder."},
    {u"MetaTrader Options", 148,
     u"In this section you can override user's MetaTrader settings regarding Expert Advisors."},
    {u"Customize", 152, u"In this section you can customize your installer appearance."},
};

HICON LoadSizedIcon(int id, int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

bool KitPage::Create(HWND parent, int id, const RECT& rect) {
    if (!win::Window::Register(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE))) return false;
    if (!win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                                  rect, parent, id)) {
        return false;
    }
    const CMyToolBar::Button buttons[] = {
        {kNewProject, 0, u"New Project"},
        {kOpenProject, 1, u"Open Project"},
        {kSaveProject, 2, u"Save Project"},
        {0, 0, nullptr},
        {kTestProject, 3, u"Test Project"},
        {kAbout, 4, u"About"},
        {kHelp, 5, u"Help"},
    };
    if (!m_toolbar.Create(hwnd(), kToolbarId, GetModuleHandleW(nullptr), IDB_GALLERY_TOOLBAR_IMAGES,
                          {24, 23}, buttons, 7)) {
        return false;
    }
    m_toolbar.EnableButton(kTestProject, false);  // as the builder before its first build
    const int top = m_toolbar.Height() + 8;
    const int width = rect.right - rect.left;
    if (!m_header.Create(hwnd(), kHeaderId, {220, top, width - 10, top + 65})) return false;

    for (int k = 0; k < kSectionCount; ++k) {
        const RECT place = {14, top + 22 + 40 * k, 206, top + 59 + 40 * k};
        if (!m_sections[k].Create(hwnd(), kFirstSectionId + k, kSections[k].caption, place)) {
            return false;
        }
        m_sections[k].SetIcon(LoadSizedIcon(kSections[k].icon, 32), 32, true);
        m_sections[k].SetTextColours(RGB(14, 42, 64), RGB(23, 112, 124));
        m_headerIcons[k].reset(LoadSizedIcon(kSections[k].icon, 32));
    }
    const RECT update = {14, top + 22 + 40 * kSectionCount, 206, top + 59 + 40 * kSectionCount};
    if (!m_update.Create(hwnd(), kUpdateId, u"Update available", update)) return false;
    m_update.SetIcon(LoadSizedIcon(IDI_GALLERY_UPDATE, 16), 16, true);
    ShowSection(0);

    // The banner in three fit modes: stretched, fitted inside and tiled.
    const int modes[] = {widgets::kFitStretch, widgets::kFitInside, widgets::kFitTile};
    for (int i = 0; i < 3; ++i) {
        const RECT place = {220 + 130 * i, top + 90, 340 + 130 * i, top + 210};
        if (!m_images[i].Create(hwnd(), kFirstImageId + i, place, WS_BORDER)) return false;
        m_images[i].SetBitmap(
            LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BANNER_PREVIEW)), true);
        m_images[i].SetAlignment(widgets::kAlignCentre, widgets::kAlignCentre);
        m_images[i].SetFitMode(modes[i]);
    }
    return true;
}

void KitPage::ShowSection(int index) {
    for (int k = 0; k < kSectionCount; ++k) m_sections[k].SetCurrent(k == index);
    m_header.SetSection(m_headerIcons[index].get(), kSections[index].caption,
                        kSections[index].description);
}

LRESULT KitPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            if (CButtonST::Reflect(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (m_toolbar.OnNotify(*reinterpret_cast<const NMHDR*>(lParam), &result)) return result;
            break;
        }
        case WM_COMMAND: {
            const int index = LOWORD(wParam) - kFirstSectionId;
            if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < kSectionCount) {
                ShowSection(index);
                return 0;
            }
            break;
        }
    }
    return Default(message, wParam, lParam);
}

}  // namespace gallery
