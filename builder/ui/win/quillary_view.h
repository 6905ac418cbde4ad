#pragma once
// CQuillaryView: the right pane of the main window. The section header across the top shows
// the current section's icon, title and description; below it one of eight pages: the Project
// Info, Files, MetaTrader Options and Customize grids, the three rich text editors (license,
// readme, what's new) and the Build page. Hidden pages keep their values.
//
// The view is also where the project model meets the pages' editors (ui::ProjectPages).

#include <windows.h>

#include <array>
#include <string>

#include "builder/ui/win/build_ctrl.h"
#include "builder/project/project_model.h"
#include "builder/ui/page_fields.h"
#include "builder/ui/sections.h"
#include "builder/ui/win/object_inspector.h"
#include "builder/ui/win/ruler_rich_edit_ctrl.h"
#include "builder/ui/win/section_header.h"
#include "widgets/win/window.h"

class CQuillaryView : public win::Window, public ui::ProjectPages {
  public:
    // Told whenever an editor of the pages reports a change (an edit's text, a check box, a
    // rich text), including changes made by the program.
    class EditListener {
      public:
        virtual ~EditListener() = default;
        virtual void OnPagesEdited() = 0;
    };

    static constexpr int kHeaderId = 200;
    static constexpr int kProjectInfoGridId = 201;
    static constexpr int kFilesGridId = 202;
    static constexpr int kOptionsGridId = 203;
    static constexpr int kCustomizeGridId = 204;
    static constexpr int kBuildPageId = 205;
    static constexpr int kFirstTextPageId = 206;  // then 207, 208

    // Creates the view with its eight pages and shows section 0. The list and picture rows
    // edit `model`, which must outlive the view; the Build page reports to `buildOwner`.
    bool Create(HWND parent, int id, const RECT& rect, project::ProjectModel* model,
                CBuildCtrl::Owner* buildOwner);

    void SetEditListener(EditListener* listener) { m_editListener = listener; }

    // Shows section `section` (0 to 7) in the header and its page, hiding the others.
    void ShowSection(int section);
    int CurrentSection() const { return m_section; }
    HWND PageWindow(int section) const { return m_pages[section]; }
    CBuildCtrl& BuildPage() { return m_build; }

    // Saves the three editors' texts as "License.rtf", "Readme.rtf" and "What's New.rtf" in
    // `folder`. Empty on success, else a message naming the file that could not be written.
    std::u16string WriteTextFiles(const std::u16string& folder);

    // ui::ProjectPages.
    std::u16string FieldText(int windowId) const override;
    void SetFieldText(int windowId, const std::u16string& text) override;
    int OptionCheck(int windowId) const override;
    void SetOptionCheck(int windowId, int state) override;
    std::u16string RichTextOf(ui::RichText page) const override;
    void SetRichText(ui::RichText page, const std::u16string& rtf) override;
    std::u16string TargetFile() const override;
    void SetTargetFile(const std::u16string& path) override;
    void ShowModelFilesAndPictures() override;
    void ClearBuildLog() override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool CreatePages(project::ProjectModel* model, CBuildCtrl::Owner* buildOwner);
    void Layout();
    void Paint(HDC dc);
    const CRulerRichEditCtrl& Editor(ui::RichText page) const;

    CSectionHeader m_header;
    CObjectInspector m_projectInfo;
    CObjectInspector m_files;
    CObjectInspector m_options;
    CObjectInspector m_customize;
    CBuildCtrl m_build;
    std::array<CRulerRichEditCtrl, ui::kTextPageCount> m_texts;
    std::array<HWND, ui::kSectionCount> m_pages = {};
    std::array<HICON, ui::kSectionCount> m_icons = {};
    int m_section = -1;
    EditListener* m_editListener = nullptr;
};
