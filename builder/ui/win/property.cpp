#include "builder/ui/win/property.h"

#include <commctrl.h>

#include "builder/ui/project_info_keys.h"
#include "builder/ui/win/my_list_ctrl.h"
#include "builder/ui/win/picture_ctrl.h"
#include "widgets/win/controls.h"
#include "widgets/win/wide.h"

namespace {

const DWORD kCheckBoxStyle = BS_AUTO3STATE | BS_FLAT | WS_TABSTOP;
const DWORD kEditStyle = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;

// Version numbers are 32-bit and written as plain digits whatever their size. The spin's
// tolerance lets a value pass its maximum by a billionth of it; this maximum keeps even that
// inside 32 bits.
const double kVersionMaximum = 999999999.0;

}  // namespace

CProperty::CProperty(std::u16string caption, int kind, int rowId, int editorWidth)
    : m_caption(std::move(caption)), m_kind(kind), m_rowId(rowId), m_editorWidth(editorWidth) {}

CProperty::~CProperty() {
    m_children.clear();
    m_spins.clear();
    m_control.reset();
    for (HWND editor : m_editors) {
        if (IsWindow(editor)) DestroyWindow(editor);
    }
}

void CProperty::AddEditor(HWND window) {
    if (window) m_editors.push_back(window);
}

HWND CProperty::MakeEditor(HWND grid, const wchar_t* className, const std::u16string& text,
                           DWORD style, int id, int width, int height) {
    HWND editor =
        win::CreateControl(grid, id, className, win::W(text), style, 0, {0, 0, width, height});
    if (editor) m_editors.push_back(editor);
    return editor;
}

bool CProperty::MakeCheckBox(HWND grid, const std::u16string& text, int id, int width, int state) {
    HWND box = MakeEditor(grid, L"BUTTON", text, kCheckBoxStyle, id, width, 15);
    if (box) SendMessageW(box, BM_SETCHECK, state, 0);
    return box != nullptr;
}

bool CProperty::CreateEditors(HWND grid, HFONT font, project::ProjectModel* model) {
    const int id = widgets::kEditorIdBase + m_rowId;
    bool made = true;
    switch (m_kind) {
        case widgets::kEditRow:
            made = MakeEditor(grid, L"EDIT", m_caption, kEditStyle, id, 400, 20) != nullptr;
            break;
        case widgets::kVersionRow:
            for (int i = 0; i < 4 && made; ++i) {
                HWND edit =
                    MakeEditor(grid, L"EDIT", i == 0 ? u"1" : u"0", kEditStyle, id + i, 35, 20);
                auto spin = std::make_unique<CNumSpinCtrl>();
                made = edit && spin->Create(grid, edit, 0, 0, 35, 20, 0);
                if (!made) break;
                spin->SetRange(0, kVersionMaximum);
                spin->SetFormat("%.0f");
                ShowWindow(spin->hwnd(), SW_HIDE);
                m_editors.push_back(spin->hwnd());
                m_spins.push_back(std::move(spin));
            }
            break;
        case widgets::kPictureRow: {
            auto picker = std::make_unique<CPictureCtrl>();
            made = picker->Create(grid, id, {0, 0, 35, 20}, model);
            if (made) {
                picker->SetMode(m_rowId);
                ShowWindow(picker->hwnd(), SW_HIDE);
                m_editors.push_back(picker->hwnd());
                m_control = std::move(picker);
            }
            break;
        }
        case widgets::kCheckBoxRow:
            if (m_rowId == ui::kAllBoxesRowId) {
                made = MakeCheckBox(grid, u"No Change All", ui::kNoChangeAllId, 30,
                                    BST_INDETERMINATE) &&
                       MakeCheckBox(grid, u"Check All", ui::kCheckAllId, 30, BST_CHECKED) &&
                       MakeCheckBox(grid, u"Uncheck All", ui::kUncheckAllId, 30, BST_UNCHECKED);
            } else {
                made = MakeCheckBox(grid, m_caption, id, 100, BST_INDETERMINATE);
            }
            break;
        case widgets::kFileListRow:
        case widgets::kFileListSecondRow: {
            const int category = (m_rowId - widgets::kFileListIdOffset) / 2;
            if (category < 0 || category >= project::kCategoryCount) return false;
            auto list = std::make_unique<CMyListCtrl>();
            made = list->Create(grid, widgets::kFileListIdOffset + id, {0, 0, 100, 15},
                                m_kind == widgets::kFileListRow ? WS_TABSTOP : 0, model,
                                static_cast<project::CategoryId>(category),
                                m_kind == widgets::kFileListSecondRow);
            if (made) {
                ShowWindow(list->hwnd(), SW_HIDE);
                m_editors.push_back(list->hwnd());
                m_control = std::move(list);
            }
            break;
        }
        default:
            break;  // the grid draws the row; kinds 9 and 10 get their editors from the owner
    }
    if (!made) return false;
    for (HWND editor : m_editors) win::SetControlFont(editor, font);
    return true;
}
