#pragma once
// The widget gallery's main window: a list of pages at the left, the page on show, and below
// it the boxes and buttons through which a person or a test hands the widgets data and reads
// back what the UI driver cannot see itself (the model's lists, the focus, the grid's scroll
// state).

#include <windows.h>

#include <memory>
#include <string>

#include "builder/project/project_model.h"
#include "builder/ui/win/object_inspector.h"
#include "builder/ui/win/ruler_rich_edit_ctrl.h"
#include "tools/gallery/win/gallery_ids.h"
#include "tools/gallery/win/kit_page.h"
#include "builder/ui/win/menu_ch.h"
#include "widgets/win/window.h"

namespace gallery {

class GalleryWindow : public win::Window {
  public:
    GalleryWindow();
    // Creates and shows the window with every page; false when something cannot be made.
    bool Create();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool CreateMenus();
    bool CreatePanel();
    bool CreatePages();
    void Layout();
    RECT PageArea() const;
    void ShowPage(int page);
    CObjectInspector* PageGrid(int page);
    HWND PageWindow(int page);
    void OnCommand(WORD code, WORD id);
    void SetState(const std::u16string& text);
    std::u16string Text(int id) const;

    void ReportLists();
    void ReportGrid();
    void ClickGroupBox(int row, bool doubleClick);
    void FitScrollGrid();
    void AddScrollRow();
    void ScrollBy(bool wheel);
    void ClickSpin(int field, bool up);
    void ReportEditor();
    void EditorCommand(int command);
    void DragTabStop(int pixels);
    void EditSampleEntry();
    void SaveRtf();

    project::ProjectModel m_model;
    project::FileEntry m_sampleEntry;
    int m_page = 0;
    CObjectInspector m_grids[5];  // project info, options, files, customize, scroll
    CRulerRichEditCtrl m_editor;
    KitPage m_kit;
    CMenuCH m_pageMenu;
    CMenuCH m_reportMenu;
    win::Font m_monoFont;
};

}  // namespace gallery
