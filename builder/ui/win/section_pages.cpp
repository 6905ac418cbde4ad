#include "builder/ui/win/section_pages.h"

#include "builder/project/file_categories.h"
#include "builder/ui/project_info_keys.h"
#include "builder/ui/win/picture_ctrl.h"

namespace {

using widgets::kCaptionRow;
using widgets::kCheckBoxRow;
using widgets::kEditRow;

// A labelled field: its caption row, then its value row.
bool AddField(CObjectInspector& grid, CProperty* group, const char16_t* label,
              const char16_t* value, int kind, int rowId, int width) {
    return grid.AddChild(group, label, kCaptionRow, 0, 0) &&
           grid.AddChild(group, value, kind, rowId, width);
}

// Empty caption rows that keep the room below an editor taller than its row.
bool AddSpareRows(CObjectInspector& grid, CProperty* group, int count) {
    for (int i = 0; i < count; ++i) {
        if (!grid.AddChild(group, u"", kCaptionRow, 0, 0)) return false;
    }
    return true;
}

}  // namespace

bool FillProjectInfoGrid(CObjectInspector& grid) {
    CProperty* product = grid.AddRow(u"Product Information");
    // The directory's first value is a short placeholder; New Project gives it a real name.
    if (!product || !AddField(grid, product, u"Product Name", u"My Project", kEditRow, 1, 400) ||
        !AddField(grid, product, u"Product Directory", u"App", kEditRow, 7, 400) ||
        !AddField(grid, product, u"Start Menu Group Name", u"My Project", kEditRow, 8, 400) ||
        !AddField(grid, product, u"Version [Major, Minor, Build, Revision]", u"",
                  widgets::kVersionRow, 9, 30) ||
        !grid.AddChild(product, u"", kCaptionRow, 0, 0)) {
        return false;
    }
    CProperty* publisher = grid.AddRow(u"Publisher Information");
    return publisher && AddField(grid, publisher, u"Publisher", u"", kEditRow, 2, 400) &&
           AddField(grid, publisher, u"Publisher Address", u"", kEditRow, 3, 400) &&
           AddField(grid, publisher, u"Product URL", u"", kEditRow, 4, 400) &&
           AddField(grid, publisher, u"Contact Name", u"", kEditRow, 5, 400) &&
           AddField(grid, publisher, u"Contact E-mail", u"", kEditRow, 6, 400);
}

bool FillFilesGrid(CObjectInspector& grid) {
    for (int c = 0; c < project::kCategoryCount; ++c) {
        const auto category = static_cast<project::CategoryId>(c);
        CProperty* group = grid.AddRow(std::u16string(project::CategoryCaption(category)));
        const int kind = category == project::CategoryId::OtherFiles ? widgets::kFileListSecondRow
                                                                     : widgets::kFileListRow;
        if (!group || !grid.AddChild(group, u"", kind, widgets::kFileListIdOffset + 2 * c, 100) ||
            !AddSpareRows(grid, group, 8)) {
            return false;
        }
    }
    return true;
}

bool FillOptionsGrid(CObjectInspector& grid) {
    // Three-digit identifiers are drawn indented under the option before them.
    const int rowIds[project::kExpertOptionCount] = {21, 211, 212, 22, 221, 23, 231, 232};
    CProperty* group = grid.AddRow(u"Expert Options");
    if (!group || !grid.AddChild(group, u"", kCaptionRow, 0, 0)) return false;
    for (int i = 0; i < project::kExpertOptionCount; ++i) {
        if (!grid.AddChild(group, project::kExpertOptionInfo[i].label, kCheckBoxRow, rowIds[i],
                           400)) {
            return false;
        }
    }
    return grid.AddChild(group, u"", widgets::kSeparatorRow, 0, 0) &&
           grid.AddChild(group, u"", kCheckBoxRow, ui::kAllBoxesRowId, 110);
}

bool FillCustomizeGrid(CObjectInspector& grid, int width) {
    struct Picker {
        const char16_t* group;
        int rowId;
        int spareRows;  // the icon picker is 200 pixels high, the banner picker 400
    };
    const Picker pickers[] = {{u"Icon", CPictureCtrl::kIconMode, 10},
                              {u"Banner", CPictureCtrl::kBannerMode, 20}};
    for (const Picker& picker : pickers) {
        CProperty* group = grid.AddRow(picker.group);
        CProperty* row =
            group ? grid.AddChild(group, u"", widgets::kPictureRow, picker.rowId, width) : nullptr;
        if (!row || !AddSpareRows(grid, group, picker.spareRows)) return false;
        if (CPictureCtrl* control = CPictureCtrl::FromHandle(row->Editors()[0])) {
            control->ShowProjectPicture();
        }
    }
    return true;
}
