#include "builder/ui/win/picture_ctrl.h"

#include <commdlg.h>

#include "base/text.h"
#include "builder/ui/win/file_dialog.h"
#include "builder/ui/win/widget_resource_ids.h"
#include "widgets/win/controls.h"
#include "widgets/win/paint.h"
#include "widgets/win/picture_file.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"PICTURECLASS";
const wchar_t kObjectProperty[] = L"TessarkPictureCtrl";

const char16_t kIconGuidance[] =
    u"You can customize installer icon with your own logo.\nThe icon must have at least, 16 * 16 "
    u"& 32 * 32 pixels icons, both 256 colors and 32 bit (XP).";
const char16_t kBannerGuidance[] =
    u"You can customize installer banner with your own company logo or your picture of "
    u"choice.\nIt must be in JPG format with 160 * 320 pixels in size.";

const int kPreviewSide = 160;
const int kBannerHeight = 320;

}  // namespace

CPictureCtrl::~CPictureCtrl() {
    // The children use the font below: they go first.
    if (hwnd()) DestroyWindow(hwnd());
}

bool CPictureCtrl::Create(HWND parent, int id, const RECT& rect, project::ProjectModel* model) {
    if (!model) return false;
    if (!win::Window::Register(kClassName, CS_DBLCLKS,
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) {
        return false;
    }
    m_model = model;
    if (!win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  WS_EX_CONTROLPARENT, rect, parent, id)) {
        return false;
    }
    SetPropW(hwnd(), kObjectProperty, this);
    m_font.reset(win::CreateSwissFont(L"Tahoma", 14, FW_NORMAL, DEFAULT_QUALITY));
    const DWORD button = WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP;
    m_guidance =
        win::CreateControl(hwnd(), kGuidanceId, L"STATIC", L"", WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                           0, {190, 20, 390, 110}, m_font.get());
    m_select = win::CreateControl(hwnd(), kSelectId, L"BUTTON", L"", button, 0,
                                  {190, 120, 260, 145}, m_font.get());
    m_clear = win::CreateControl(hwnd(), kClearId, L"BUTTON", L"", button, 0, {190, 150, 260, 175},
                                 m_font.get());
    if (!m_preview.Create(hwnd(), kPreviewId, {20, 20, 180, 180}, WS_BORDER) || !m_guidance ||
        !m_select || !m_clear) {
        return false;
    }
    m_preview.SetBackground(GetSysColor(COLOR_BTNFACE));
    SetMode(m_mode);
    return true;
}

CPictureCtrl* CPictureCtrl::FromHandle(HWND window) {
    return window ? static_cast<CPictureCtrl*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void CPictureCtrl::SetMode(int mode) {
    m_mode = mode;
    if (!hwnd()) return;
    const bool icon = IsIconPicker();
    SetWindowTextW(m_select, icon ? L"Select Icon" : L"Select Picture");
    SetWindowTextW(m_clear, icon ? L"Clear Icon" : L"Clear Picture");
    SetWindowTextW(m_guidance, win::W(icon ? kIconGuidance : kBannerGuidance));
    Layout();
}

void CPictureCtrl::Layout() {
    // The preview's border lies outside the picture area, which keeps the given size.
    const int border = 2 * GetSystemMetrics(SM_CXBORDER);
    const int height = IsIconPicker() ? kPreviewSide : kBannerHeight;
    SetWindowPos(m_preview.hwnd(), nullptr, 20, 20, kPreviewSide + border, height + border,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(m_guidance, nullptr, 190, 20, 300, 90, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(m_select, nullptr, 190, 120, 120, 25, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(m_clear, nullptr, 190, 150, 120, 25, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::u16string& CPictureCtrl::ProjectPath() {
    return IsIconPicker() ? m_model->iconPath : m_model->bannerPath;
}

bool CPictureCtrl::ShowFile(const std::u16string& path) {
    m_preview.SetFitMode(widgets::kFitActual);
    if (IsIconPicker()) {
        m_preview.Clear();
        HICON icon = win::LoadIconFile(path);
        m_preview.SetIcon(icon, true);
        return icon != nullptr;
    }
    SIZE size = {};
    HBITMAP bitmap = win::LoadPictureFile(path, &size);
    m_preview.SetIcon(nullptr, false);
    m_preview.SetBitmap(bitmap, true);
    return bitmap != nullptr;
}

void CPictureCtrl::ShowDefault() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    m_preview.SetFitMode(widgets::kFitActual);
    if (IsIconPicker()) {
        m_preview.Clear();
        m_preview.SetIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_BUILDER),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                        GetSystemMetrics(SM_CYICON), 0)),
                          true);
    } else {
        m_preview.SetIcon(nullptr, false);
        m_preview.SetBitmap(LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_BANNER_PREVIEW)), true);
    }
}

void CPictureCtrl::ShowProjectPicture() {
    const std::u16string& path = ProjectPath();
    if (path.empty()) {
        ShowDefault();
    } else {
        ShowFile(path);
    }
}

void CPictureCtrl::Select() {
    const bool icon = IsIconPicker();
    std::u16string path;
    if (!ChooseFileToOpen(hwnd(),
                          icon ? u"ICON Files (*.ico)|*.ico|All Files (*.*)|*.*||"
                               : u"JPG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||",
                          icon ? u"*.ico" : u"*.jpg", &path)) {
        return;
    }
    const bool shown = ShowFile(path);
    if (icon || shown) {
        // An icon that cannot be loaded is still recorded: the preview shows that it is empty.
        ProjectPath() = path;
        return;
    }
    // A picture that cannot be decoded is not taken: the project keeps its banner.
    const std::u16string message = text::Format(
        u"The picture \"%s\" could not be read.\n\nChoose a JPEG, GIF or BMP file.", {path});
    MessageBoxW(GetAncestor(hwnd(), GA_ROOT), win::W(message), L"Tessark", MB_OK | MB_ICONWARNING);
}

void CPictureCtrl::Clear() {
    // Back to the built-in picture, which is what an empty path means to the build.
    ProjectPath().clear();
    ShowDefault();
}

LRESULT CPictureCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_ERASEBKGND:
            win::FillClient(hwnd(), reinterpret_cast<HDC>(wParam), COLOR_BTNFACE);
            return 1;
        case WM_CTLCOLORSTATIC:
            return win::ButtonFaceColours(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kSelectId) {
                Select();
                return 0;
            }
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kClearId) {
                Clear();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemovePropW(hwnd(), kObjectProperty);
            break;
    }
    return Default(message, wParam, lParam);
}
