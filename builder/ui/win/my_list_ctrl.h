#pragma once
// CMyListCtrl: the list of one file category on the Files page: a note saying where the
// category's files go, the Add Files, Edit (Other Files only) and Remove buttons, and a
// report list of the files. The control edits the category in the ProjectModel it is given,
// and changes the rows with it, so that row i always shows item i.
//
//   CMyListCtrl list;
//   list.Create(grid, 7024, rect, &model, project::CategoryId::ExpertAdvisors, false);
//   list.Reload();   // after the model was opened or reset

#include <windows.h>

#include <string>
#include <vector>

#include "builder/project/project_model.h"
#include "widgets/win/handle.h"
#include "widgets/win/image_strip.h"
#include "widgets/win/window.h"

class CMyListCtrl : public win::Window {
  public:
    // Identifiers of the children of the list of category c: kChildIdBase + 10c + one of
    // these, so that the six lists on one page can be told apart.
    static constexpr int kChildIdBase = 8000;
    static constexpr int kListOffset = 0;
    static constexpr int kAddOffset = 1;
    static constexpr int kEditOffset = 2;
    static constexpr int kRemoveOffset = 3;
    static constexpr int kNoteOffset = 4;
    // The Add Files dialog's name buffer, in characters.
    static constexpr size_t kAddFilesBufferUnits = 26100;

    CMyListCtrl() = default;
    ~CMyListCtrl() override;

    // Registers "ZULLISTCTRL" once and creates the control; false when either fails. `full`
    // gives the eight Other Files columns and the Edit button. `model` must outlive the
    // control.
    bool Create(HWND parent, int id, const RECT& rect, DWORD extraStyle,
                project::ProjectModel* model, project::CategoryId category, bool full);
    static CMyListCtrl* FromHandle(HWND window);

    project::CategoryId Category() const { return m_category; }
    HWND ListView() const { return m_list; }
    static int ChildId(project::CategoryId category, int offset);

    // Rebuilds every row from the model's list.
    void Reload();

    // What the three buttons do. AddPaths is Add Files after the dialog.
    void AddFiles();
    void AddPaths(const std::vector<std::u16string>& paths);
    void RemoveSelected();
    void EditSelected();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool CreateChildren();
    void AddColumns();
    void Layout(int width);
    void AppendRow(size_t item);
    void ShowItem(size_t row);
    std::vector<size_t> SelectedRows() const;
    void KeepInStep();
    HWND MakeButton(const wchar_t* text, int offset, int iconId);

    project::ProjectModel* m_model = nullptr;
    project::CategoryId m_category = project::CategoryId::ExpertAdvisors;
    bool m_full = false;
    win::Font m_noteFont;
    HWND m_note = nullptr;
    HWND m_add = nullptr;
    HWND m_edit = nullptr;
    HWND m_remove = nullptr;
    HWND m_list = nullptr;
    win::ImageList m_rowImages;
    std::vector<win::Icon> m_buttonIcons;
};
