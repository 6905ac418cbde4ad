#pragma once
// CProperty: one row of the property grid (object_inspector.h). A row draws a group header,
// a caption or a separator itself, or owns editor windows made when it is added to the grid:
// edit boxes, version fields with spin buttons, tri-state check boxes, a picture picker or a
// file category list. Row identifier n gives the editors the window identifiers 7000 + n
// (and up); the owner finds them with GetDlgItem on the grid.
//
// A row owns its children and its editors and destroys them with itself.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "builder/project/project_model.h"
#include "widgets/grid_layout.h"
#include "widgets/win/num_spin_ctrl.h"
#include "widgets/win/window.h"

class CObjectInspector;

class CProperty {
  public:
    CProperty(std::u16string caption, int kind, int rowId, int editorWidth);
    ~CProperty();
    CProperty(const CProperty&) = delete;
    CProperty& operator=(const CProperty&) = delete;

    const std::u16string& Caption() const { return m_caption; }
    int Kind() const { return m_kind; }
    int RowId() const { return m_rowId; }
    int EditorWidth() const { return m_editorWidth; }
    CProperty* Parent() const { return m_parent; }
    CObjectInspector* Grid() const { return m_grid; }
    int Index() const { return m_index; }
    const std::vector<std::unique_ptr<CProperty>>& Children() const { return m_children; }
    const std::vector<HWND>& Editors() const { return m_editors; }

    bool IsExpanded() const { return m_expanded; }
    // As the grid last laid it out.
    bool IsVisible() const { return m_visible; }
    const RECT& RowRect() const { return m_rowRect; }
    const RECT& ExpandBox() const { return m_expandBox; }

    // A window the owner made as a child of the grid (for kinds 9 and 10); the row places it
    // and destroys it with itself.
    void AddEditor(HWND window);

  private:
    friend class CObjectInspector;

    // Makes the editors of the row's kind as children of `grid`; false when one cannot be
    // made (a list or picture row needs the project model).
    bool CreateEditors(HWND grid, HFONT font, project::ProjectModel* model);
    HWND MakeEditor(HWND grid, const wchar_t* className, const std::u16string& text, DWORD style,
                    int id, int width, int height);
    bool MakeCheckBox(HWND grid, const std::u16string& text, int id, int width, int state);

    std::u16string m_caption;
    int m_kind;
    int m_rowId;
    int m_editorWidth;
    std::vector<std::unique_ptr<CProperty>> m_children;
    CProperty* m_parent = nullptr;
    CObjectInspector* m_grid = nullptr;
    int m_index = 0;
    bool m_expanded = true;
    bool m_visible = true;
    std::vector<HWND> m_editors;
    // The objects behind some editors: spin buttons, a picker or a list.
    std::vector<std::unique_ptr<CNumSpinCtrl>> m_spins;
    std::unique_ptr<win::Window> m_control;
    RECT m_rowRect = {};
    RECT m_expandBox = {};
};
