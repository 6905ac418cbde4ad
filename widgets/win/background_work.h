#pragma once
// Long work for a page on a thread of its own: the installation of step 6, the uninstaller's
// removal. The thread reaches the page only through window messages, which the page handles on
// its own thread; the page keeps every way off it disabled while the work runs, and its
// BackgroundWork, destroyed with it, waits for a thread that is still sending its last message.

#include <windows.h>

#include "widgets/win/handle.h"

namespace win {

class BackgroundWork {
  public:
    BackgroundWork() = default;
    ~BackgroundWork();
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Starts `body(context)` on a new thread, unless work has started already. False when no
    // thread could be made: nothing runs then.
    bool Start(LPTHREAD_START_ROUTINE body, void* context);
    bool Started() const { return static_cast<bool>(thread_); }

  private:
    KernelHandle thread_;
};

}  // namespace win
