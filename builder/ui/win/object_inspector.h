#pragma once
// CObjectInspector: the scrolling, grouped list of rows on which the builder's section pages
// are laid out (rows are CProperty, property.h). The grid shows, places and hides the rows'
// editors as it scrolls and as groups are collapsed and expanded; the layout rules are
// widgets/grid_layout.h.
//
//   CObjectInspector grid;
//   grid.Create(page, rect, 100, 0);
//   CProperty* group = grid.AddRow(u"Product Information");
//   grid.AddChild(group, u"Product Name", widgets::kCaptionRow, 0, 0);
//   grid.AddChild(group, u"My Project", widgets::kEditRow, 1, 400);   // edit 7001
//
// Notifications of the editors go on to the grid's parent, so the owner hears of every edit.
// The program's message loop hands each message to PreTranslate() first: the grid's Tab
// cycle and its copy, cut and paste keys act before the message reaches any window, and the
// mouse wheel scrolls the grid under the pointer, unless a list under it can scroll that way.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "builder/project/project_model.h"
#include "builder/ui/project_info_keys.h"
#include "builder/ui/win/property.h"
#include "widgets/win/handle.h"
#include "widgets/win/window.h"

class CObjectInspector : public win::Window {
  public:
    static constexpr int kScrollBarId = 999;

    CObjectInspector() = default;
    ~CObjectInspector() override;

    // Registers "ObjectInspectorCtrl" once and creates the grid; false when either fails.
    bool Create(HWND parent, const RECT& rect, int id, DWORD style);
    static CObjectInspector* FromHandle(HWND window);

    // The project that list and picture rows edit; set it before adding such rows.
    void SetProjectModel(project::ProjectModel* model) { m_model = model; }

    // Appends a top-level row (a group header unless `kind` says otherwise) and redraws.
    // nullptr when its editors cannot be made.
    CProperty* AddRow(std::u16string caption, int kind = widgets::kGroupHeader, int rowId = 0,
                      int editorWidth = 0);
    // Appends a row to `parent`'s children; nullptr when its editors cannot be made.
    CProperty* AddChild(CProperty* parent, std::u16string caption, int kind, int rowId,
                        int editorWidth);
    const std::vector<std::unique_ptr<CProperty>>& Rows() const { return m_rows; }

    // Opens or closes a group as a click on its box does.
    void Toggle(CProperty* row);

    bool ScrollBarShown() const;
    int ScrollPosition() const { return m_scrollPosition; }
    int RowHeight() const { return m_rowHeight; }

    // For the program's message loop: true when the message was handled here and must not be
    // translated or dispatched.
    static bool PreTranslate(const MSG& message);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    struct Placed {
        CProperty* row;
        int parentIndex;
    };
    std::vector<Placed> DepthFirst() const;
    // Shows, hides and places every editor; true when the scroll-needed flag changed.
    bool Layout();
    void PlaceEditors(CProperty& row, const widgets::RowPlace& place);
    void ShowScrollBar(bool show, int maximum);
    void Paint(HDC dc);
    void DrawRow(HDC dc, CProperty& row);
    void DrawGroupHeader(HDC dc, CProperty& row);
    void Scroll(int request);
    // Moves the rows by `pixels` (positive towards the top) within the scroll range.
    void ScrollBy(int pixels);
    void OnMouseWheel(int delta);
    static bool RouteWheel(const MSG& message);
    bool OnKeyDown(const MSG& message);
    bool CycleTab(bool backwards);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    CProperty* RowOfEditor(HWND editor) const;
    CProperty* RowAt(POINT point, bool onExpandBox) const;
    int MeasureRowHeight();

    std::vector<std::unique_ptr<CProperty>> m_rows;
    project::ProjectModel* m_model = nullptr;
    HWND m_scrollBar = nullptr;
    bool m_scrollNeeded = false;
    int m_scrollPosition = 0;
    int m_scrollMaximum = 0;
    int m_rowHeight = 0;
    int m_tabPlace = ui::kTabCycleLength - 1;  // the first Tab from outside goes to 7001
    RECT m_drawArea = {};
    win::Font m_font;
    win::Font m_boldFont;
};
