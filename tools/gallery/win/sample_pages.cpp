#include "tools/gallery/win/sample_pages.h"

#include "base/text.h"
#include "builder/project/file_categories.h"
#include "builder/ui/win/picture_ctrl.h"

namespace gallery {

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

}  // namespace

project::ProjectModel SampleProject() {
    project::ProjectModel model;
    project::AddFile(&model, project::CategoryId::ExpertAdvisors,
                     u"C:\\Samples\\Crossing Averages.ex4");
    project::AddFile(&model, project::CategoryId::CustomIndicators, u"C:\\Samples\\Band Width.ex4");
    project::AddFile(&model, project::CategoryId::CustomIndicators, u"C:\\Samples\\Band Width.mq4");
    project::AddFile(&model, project::CategoryId::Sounds, u"C:\\Samples\\alert.wav");
    project::AddFile(&model, project::CategoryId::OtherFiles, u"C:\\Samples\\Read Me.txt");
    project::AddFile(&model, project::CategoryId::OtherFiles, u"C:\\Samples\\tool.exe");
    model.otherFiles[1].shortcut = u"Sample Tool";
    return model;
}

project::FileEntry SampleEntry() {
    project::FileEntry entry = project::NewFileEntry(u"C:\\Samples\\tool.exe");
    entry.destination = u"{desktop}";
    entry.shortcut = u"Sample Tool";
    entry.parameters = u"/quiet";
    entry.onlyIfNewer = u"Yes";
    return entry;
}

bool FillProjectInfoGrid(CObjectInspector& grid) {
    CProperty* product = grid.AddRow(u"Product Information");
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

bool FillOptionsGrid(CObjectInspector& grid) {
    struct Option {
        const char16_t* label;
        int rowId;
    };
    const Option options[] = {
        {u"Enable Expert Advisors", 21},
        {u"Disable expert when the account has been changed", 211},
        {u"Disable expert when the profile has been changed", 212},
        {u"Allow live trading", 22},
        {u"Ask manual confirmation", 221},
        {u"Allow DLL imports", 23},
        {u"Confirm DLL function call", 231},
        {u"Allow external exports imports", 232},
    };
    CProperty* group = grid.AddRow(u"Expert Options");
    if (!group || !grid.AddChild(group, u"", kCaptionRow, 0, 0)) return false;
    for (const Option& option : options) {
        if (!grid.AddChild(group, option.label, kCheckBoxRow, option.rowId, 400)) return false;
    }
    return grid.AddChild(group, u"", widgets::kSeparatorRow, 0, 0) &&
           grid.AddChild(group, u"", kCheckBoxRow, widgets::kAllBoxesRowId, 110);
}

bool FillFilesGrid(CObjectInspector& grid) {
    for (int c = 0; c < project::kCategoryCount; ++c) {
        const auto category = static_cast<project::CategoryId>(c);
        CProperty* group = grid.AddRow(std::u16string(project::CategoryCaption(category)));
        const int kind = category == project::CategoryId::OtherFiles ? widgets::kFileListSecondRow
                                                                     : widgets::kFileListRow;
        if (!group || !grid.AddChild(group, u"", kind, widgets::kFileListIdOffset + 2 * c, 100)) {
            return false;
        }
        // The list is taller than its row: empty rows keep the space below it.
        for (int i = 0; i < 8; ++i) {
            if (!grid.AddChild(group, u"", kCaptionRow, 0, 0)) return false;
        }
    }
    return true;
}

bool FillCustomizeGrid(CObjectInspector& grid, int width) {
    struct Picker {
        const char16_t* group;
        int rowId;
        int spareRows;  // empty rows under the picker, which is taller than a row
    };
    const Picker pickers[] = {{u"Icon", CPictureCtrl::kIconMode, 9},
                              {u"Banner", CPictureCtrl::kBannerMode, 18}};
    for (const Picker& picker : pickers) {
        CProperty* group = grid.AddRow(picker.group);
        CProperty* row =
            group ? grid.AddChild(group, u"", widgets::kPictureRow, picker.rowId, width) : nullptr;
        if (!row) return false;
        if (CPictureCtrl* control = CPictureCtrl::FromHandle(row->Editors()[0])) {
            control->ShowProjectPicture();
        }
        for (int i = 0; i < picker.spareRows; ++i) {
            if (!grid.AddChild(group, u"", kCaptionRow, 0, 0)) return false;
        }
    }
    return true;
}

bool FillScrollGrid(CObjectInspector& grid, int rows) {
    for (int i = 1; i <= rows; ++i) {
        if (!grid.AddRow(u"Row " + text::FromInt(i), kCaptionRow)) return false;
    }
    return true;
}

}  // namespace gallery
