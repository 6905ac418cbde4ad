#pragma once
// The second page: runs the removal on a thread of its own and shows its lines. The thread
// reaches the page only through window messages, which the page handles on its own thread.

#include "uninstaller/removal.h"
#include "uninstaller/win/page.h"
#include "widgets/win/background_work.h"

namespace uninstaller {

class ProgressPage : public UninstallPage {
  public:
    explicit ProgressPage(UninstallSession& session);

  protected:
    void OnOpen() override;
    bool OnCommand(WORD code, WORD id, HWND control) override;
    bool OnClose() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    static DWORD WINAPI RemovalThread(void* page);
    void SetRunning(bool running);
    void AddLine(const wchar_t* line);

    RemovalPlan plan_;  // read by the thread only while it runs
    win::BackgroundWork removal_;
    bool running_ = false;
};

}  // namespace uninstaller
