#pragma once
// CBuildCtrl: the Build page. The author names the setup executable to write ("Target File"),
// builds it (the button or F5), watches the build log and starts the result with Test
// Project. The build runs on the user-interface thread and keeps the window answering by
// dispatching waiting messages while it packs; the page's buttons stay disabled meanwhile.
//
//   CBuildCtrl page;
//   page.Create(view, 205, rect, &frame);   // frame implements CBuildCtrl::Owner
//   // in the message loop, before a key reaches its window:
//   if (page.PreTranslate(message)) continue;

#include <windows.h>

#include <string>

#include "builder/build/build_setup.h"
#include "package/self_extractor.h"
#include "widgets/win/handle.h"
#include "widgets/win/window.h"

class CBuildCtrl : public win::Window, private build::BuildObserver {
  public:
    static constexpr int kLogId = 3010;
    static constexpr int kTargetEditId = 3011;
    static constexpr int kLabelId = 3012;  // both labels
    static constexpr int kSelectTargetId = 3014;
    static constexpr int kBuildId = 3016;
    static constexpr int kTestId = 3033;

    // What the page needs from the window it sits in.
    class Owner {
      public:
        virtual ~Owner() = default;
        // Fills `request` for a build: the project as the pages show it (its targetFile is the
        // target edit's text), its texts written into the temporary folder, the builder's
        // installer program, icon, banner and version. False, after telling the author why,
        // when nothing can be built.
        virtual bool PrepareBuild(build::BuildRequest* request) = 0;
        // The builder's Test Project command follows the page's Test Project button.
        virtual void SetTestEnabled(bool enabled) = 0;
        virtual void TestProject() = 0;
        // The build has ended, whatever its result.
        virtual void BuildFinished() {}
        // The target edit's text has changed (typed, chosen or set by the program).
        virtual void TargetEdited() {}
    };

    CBuildCtrl() = default;

    // Registers "BUILDCLASS" once and creates the page with its controls; false when either
    // fails.
    bool Create(HWND parent, int id, const RECT& rect, Owner* owner);

    // Builds the setup, as the Build button and F5 do.
    void Build();
    bool IsBuilding() const { return m_building; }

    // The path the last build wrote to, which Test Project starts.
    const std::u16string& TargetPath() const { return m_targetPath; }
    std::u16string TargetText() const;
    void SetTargetText(const std::u16string& path);
    void ClearLog();
    std::u16string LogLine(int index) const;

    // F5 while the focus is on the page or one of its controls builds (and the key then goes
    // on as usual); Tab moves between the page's controls. True when the message is used up.
    bool PreTranslate(MSG& message);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool CreateControls();
    HWND MakeControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                     int id);
    void Layout();
    void SelectTargetFile();
    void AddLogLine(const std::u16string& line);
    void EnableButtons(bool build, bool test);
    void PumpMessages();
    bool OwnsFocus() const;

    // BuildObserver: the build's log lines and progress, on this thread.
    void OnLogLine(const std::u16string& line) override;
    void OnPackingStarted(int32_t fileCount, int64_t totalBytes) override;
    void OnFileProgress(const FileRecord& record, int32_t percent) override;

    Owner* m_owner = nullptr;
    CSelfExtractor m_extractor;
    std::u16string m_targetPath;
    bool m_building = false;
    // A WM_QUIT taken from the queue while packing, posted again after the build.
    bool m_quitPending = false;
    int m_quitCode = 0;
    win::Font m_font;
    HWND m_targetLabel = nullptr;
    HWND m_targetEdit = nullptr;
    HWND m_selectButton = nullptr;
    HWND m_buildButton = nullptr;
    HWND m_testButton = nullptr;
    HWND m_logLabel = nullptr;
    HWND m_log = nullptr;
};
