#include "builder/ui/win/quillary_view.h"

#include "base/text.h"
#include "builder/build/temp_files.h"
#include "builder/ui/frame_layout.h"
#include "builder/ui/win/my_list_ctrl.h"
#include "builder/ui/win/picture_ctrl.h"
#include "builder/ui/win/section_pages.h"
#include "widgets/win/controls.h"
#include "widgets/win/paint.h"
#include "widgets/win/wide.h"

namespace {

const wchar_t kClassName[] = L"TessarkQuillaryView";
const int kHeaderIconSize = 32;

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(window, win::W(&text[0]), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

RECT ToRect(const ui::Box& box) {
    return {box.left, box.top, box.right, box.bottom};
}

// The text files in editor order: license, readme, what's new.
const std::u16string_view kTextFileNames[ui::kTextPageCount] = {
    build::kLicenseFileName, build::kReadmeFileName, build::kWhatsNewFileName};

}  // namespace

bool CQuillaryView::Create(HWND parent, int id, const RECT& rect, project::ProjectModel* model,
                           CBuildCtrl::Owner* buildOwner) {
    if (!win::Window::Register(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr)) return false;
    if (!win::Window::CreateChild(kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  WS_EX_CONTROLPARENT, rect, parent, id)) {
        return false;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (int k = 0; k < ui::kSectionCount; ++k) {
        m_icons[k] = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(ui::kSections[k].iconId), IMAGE_ICON,
                       kHeaderIconSize, kHeaderIconSize, LR_DEFAULTCOLOR | LR_SHARED));
    }
    if (!CreatePages(model, buildOwner)) return false;
    ShowSection(ui::kProjectInfoSection);
    return true;
}

bool CQuillaryView::CreatePages(project::ProjectModel* model, CBuildCtrl::Owner* buildOwner) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const RECT page = ToRect(ui::PageRect(client.right, client.bottom));
    const DWORD gridStyle = WS_TABSTOP;
    for (CObjectInspector* grid : {&m_projectInfo, &m_files, &m_options, &m_customize}) {
        grid->SetProjectModel(model);
    }
    if (!m_projectInfo.Create(hwnd(), page, kProjectInfoGridId, gridStyle) ||
        !FillProjectInfoGrid(m_projectInfo) ||
        !m_files.Create(hwnd(), page, kFilesGridId, gridStyle) || !FillFilesGrid(m_files) ||
        !m_options.Create(hwnd(), page, kOptionsGridId, gridStyle) || !FillOptionsGrid(m_options) ||
        !m_customize.Create(hwnd(), page, kCustomizeGridId, gridStyle) ||
        !FillCustomizeGrid(m_customize, page.right - page.left) ||
        !m_build.Create(hwnd(), kBuildPageId, page, buildOwner)) {
        return false;
    }
    // A field takes no more characters than the project file keeps of it.
    for (const ui::TextField& field : ui::kTextFields) {
        SendDlgItemMessageW(m_projectInfo.hwnd(), field.windowId, EM_LIMITTEXT,
                            static_cast<WPARAM>(field.maxLength), 0);
    }
    for (int i = 0; i < ui::kTextPageCount; ++i) {
        if (!m_texts[i].Create(hwnd(), kFirstTextPageId + i, page)) return false;
        ShowWindow(m_texts[i].hwnd(), SW_HIDE);
    }
    m_pages = {m_projectInfo.hwnd(), m_files.hwnd(),    m_options.hwnd(),   m_texts[0].hwnd(),
               m_texts[1].hwnd(),    m_texts[2].hwnd(), m_customize.hwnd(), m_build.hwnd()};
    return true;
}

void CQuillaryView::ShowSection(int section) {
    if (section < 0 || section >= ui::kSectionCount) return;
    RECT client;
    GetClientRect(hwnd(), &client);
    if (!m_header.hwnd() &&
        !m_header.Create(hwnd(), kHeaderId, ToRect(ui::HeaderRect(client.right)))) {
        return;
    }
    const ui::SectionInfo& info = ui::kSections[section];
    m_header.SetSection(m_icons[section], info.title, info.description);
    m_section = section;
    // Show the new page before hiding the old one, so the area never flashes empty.
    ShowWindow(m_pages[section], SW_SHOW);
    for (int k = 0; k < ui::kSectionCount; ++k) {
        if (k != section) ShowWindow(m_pages[k], SW_HIDE);
    }
    InvalidateRect(m_pages[section], nullptr, TRUE);
}

void CQuillaryView::Layout() {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (m_header.hwnd()) {
        const RECT header = ToRect(ui::HeaderRect(client.right));
        win::MoveTo(m_header.hwnd(), header);
    }
    const RECT page = ToRect(ui::PageRect(client.right, client.bottom));
    for (HWND window : m_pages) {
        if (window) {
            win::MoveTo(window, page);
        }
    }
}

void CQuillaryView::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    win::ButtonFacePanel(dc, client, BDR_RAISEDINNER, BF_RECT);
}

LRESULT CQuillaryView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            win::PaintScope paint(hwnd());
            Paint(paint.dc());
            return 0;
        }
        case WM_COMMAND: {
            const WORD code = HIWORD(wParam);
            if (m_editListener && lParam && (code == EN_CHANGE || code == BN_CLICKED)) {
                m_editListener->OnPagesEdited();
            }
            break;
        }
    }
    return Default(message, wParam, lParam);
}

std::u16string CQuillaryView::WriteTextFiles(const std::u16string& folder) {
    for (int i = 0; i < ui::kTextPageCount; ++i) {
        const std::u16string path = build::PathInFolder(folder, kTextFileNames[i]);
        if (!m_texts[i].Save(path)) {
            return text::Format(u"The text file %s could not be written: %s",
                                {path, m_texts[i].LastError()});
        }
    }
    return {};
}

std::u16string CQuillaryView::FieldText(int windowId) const {
    return WindowText(GetDlgItem(m_projectInfo.hwnd(), windowId));
}

void CQuillaryView::SetFieldText(int windowId, const std::u16string& text) {
    SetWindowTextW(GetDlgItem(m_projectInfo.hwnd(), windowId), win::W(text));
}

int CQuillaryView::OptionCheck(int windowId) const {
    return static_cast<int>(
        SendMessageW(GetDlgItem(m_options.hwnd(), windowId), BM_GETCHECK, 0, 0));
}

void CQuillaryView::SetOptionCheck(int windowId, int state) {
    SendMessageW(GetDlgItem(m_options.hwnd(), windowId), BM_SETCHECK, state, 0);
}

const CRulerRichEditCtrl& CQuillaryView::Editor(ui::RichText page) const {
    return m_texts[static_cast<size_t>(page)];
}

std::u16string CQuillaryView::RichTextOf(ui::RichText page) const {
    const CRulerRichEditCtrl& editor = Editor(page);
    // An editor without text still streams out a document; the project keeps it empty, so that
    // the installer shows no page for it.
    if (GetWindowTextLengthW(editor.EditWindow()) == 0) return {};
    return editor.GetRTF();
}

void CQuillaryView::SetRichText(ui::RichText page, const std::u16string& rtf) {
    m_texts[static_cast<size_t>(page)].SetRTF(rtf);
}

std::u16string CQuillaryView::TargetFile() const {
    return m_build.TargetText();
}

void CQuillaryView::SetTargetFile(const std::u16string& path) {
    m_build.SetTargetText(path);
}

void CQuillaryView::ShowModelFilesAndPictures() {
    for (int c = 0; c < project::kCategoryCount; ++c) {
        HWND list = GetDlgItem(m_files.hwnd(), widgets::kEditorIdBase + widgets::kFileListIdOffset +
                                                   widgets::kFileListIdOffset + 2 * c);
        if (CMyListCtrl* control = CMyListCtrl::FromHandle(list)) control->Reload();
    }
    for (int mode : {CPictureCtrl::kIconMode, CPictureCtrl::kBannerMode}) {
        HWND picker = GetDlgItem(m_customize.hwnd(), widgets::kEditorIdBase + mode);
        if (CPictureCtrl* control = CPictureCtrl::FromHandle(picker)) control->ShowProjectPicture();
    }
}

void CQuillaryView::ClearBuildLog() {
    m_build.ClearLog();
}
