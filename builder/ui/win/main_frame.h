#pragma once
// CMainFrame: the builder's main window. The owner-drawn File and Help menus, the toolbar,
// the status bar and, between them, the splitter with the section navigator (left) and the
// section view (right). It carries out the project commands (New, Open, Save, Save As, Test
// Project), the web page commands and the About box, and starts the update check.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "builder/ui/win/build_ctrl.h"
#include "builder/ui/win/group_view.h"
#include "builder/ui/win/quillary_view.h"
#include "widgets/win/static_splitter.h"
#include "builder/ui/win/update_check.h"
#include "builder/ui/win/menu_ch.h"
#include "builder/ui/win/my_toolbar.h"
#include "widgets/win/window.h"

class CQuillaryApp;

// Posted to the main frame: start the update check on a worker thread.
constexpr UINT WM_START_UPDATE_CHECK = WM_USER + 1001;
// Posted to the main frame once it exists: open the project named on the command line.
constexpr UINT WM_OPEN_COMMAND_LINE_PROJECT = WM_USER + 1002;
// Posted by the update check's thread with its outcome.
constexpr UINT WM_UPDATE_CHECK_DONE = WM_USER + 1003;

class CMainFrame : public win::Window,
                   public CBuildCtrl::Owner,
                   public CGroupView::Owner,
                   public CQuillaryView::EditListener {
  public:
    static constexpr int kToolBarId = 59392;
    static constexpr int kStatusBarId = 59393;
    static constexpr int kSplitterId = 59648;
    static constexpr int kNavigatorId = 59649;
    static constexpr int kViewId = 59650;

    explicit CMainFrame(CQuillaryApp* app) : m_app(*app) {}

    // Creates the window, hidden, at its initial place and size; false when it or one of its
    // bars or panes cannot be made.
    bool Create();

    // The program's message loop hands every message here first: true when it was used up.
    bool PreTranslate(MSG& message);
    // The message loop shows every message here before anything else handles it: keys and
    // clicks may change the project, so the title's changed mark is looked at again soon.
    void NoteInput(const MSG& message);

    void SetTitle(const std::u16string& title);
    CGroupView& Navigator() { return m_navigator; }
    CQuillaryView& View() { return m_view; }
    bool TestEnabled() const { return m_bTestEnabled != 0; }

    // The commands.
    void OnFileNew();
    void OnFileOpen();
    // False when the project was not written (cancelled, or after a message).
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnAppAbout();
    void OnWebPage();
    // Opens a project as Open does, with the title and the message on failure.
    bool OpenProject(const std::u16string& path);
    // Writes the pages' project to `path` and remembers it as the saved project; false (after
    // a message) when it was not written.
    bool SaveProject(const std::u16string& path);
    // True when the project on the pages differs from the one last opened, saved or made new.
    bool ProjectChanged();
    // Before the project on the pages is replaced or the window closes: when it has changes,
    // asks whether to save them and saves them on Yes. False when the author cancelled (or
    // the save did not happen): then nothing further may be done.
    bool SaveChangesFirst();
    // New Project's part on the pages: starts the update check, then shows the New Project
    // values.
    void ResetProject();
    // Saves the three rich texts into the user's temporary folder for the build. Empty on
    // success, else what could not be written.
    std::u16string WriteTextsToTemporaryFiles();
    void ShowUpdate(int32_t latest);

    // CBuildCtrl::Owner.
    bool PrepareBuild(build::BuildRequest* request) override;
    void SetTestEnabled(bool enabled) override;
    void TestProject() override;
    void BuildFinished() override;
    void TargetEdited() override;

    // CGroupView::Owner.
    void OnSectionChosen(int section) override;
    void OnUpdateButton() override;

    // CQuillaryView::EditListener.
    void OnPagesEdited() override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool OnCreate();
    bool CreateMenus();
    bool CreateStatusBar();
    void Layout();
    bool OnCommand(WORD id);
    void OnDropFiles(HDROP drop);
    void OnUpdateCheckDone(UpdateCheckResult* result);
    void SwitchPane();
    void RestoreFocus();
    bool Building() { return m_view.hwnd() && m_view.BuildPage().IsBuilding(); }
    void ShowMessage(const std::u16string& text, UINT icon);
    // The pages' project becomes the one to compare with; the title loses its changed mark.
    void MarkUnchanged();
    // Sets the title from the document's name and the changed mark.
    void UpdateTitle();
    void ScheduleChangeCheck();

    CQuillaryApp& m_app;
    CMenuCH m_fileMenu;
    CMenuCH m_helpMenu;
    CMyToolBar m_toolBar;
    HWND m_statusBar = nullptr;
    CStaticSplitter m_splitter;
    CGroupView m_navigator;
    CQuillaryView m_view;
    CUpdateCheck m_updateCheck;
    HACCEL m_accelerators = nullptr;
    int m_bTestEnabled = 0;
    bool m_closeAfterBuild = false;
    // The control that had the keyboard focus when the window was last deactivated.
    HWND m_lastFocus = nullptr;
    // The project as last opened, saved or made new, as the pages showed it then.
    project::ProjectModel m_unchangedProject;
    // The title names the document once a project was made new, opened or saved; before,
    // it is the builder's own.
    bool m_titleNamesDocument = false;
    bool m_changeCheckPending = false;
};
