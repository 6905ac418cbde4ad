#include "widgets/win/background_work.h"

namespace win {

BackgroundWork::~BackgroundWork() {
    if (thread_) WaitForSingleObject(thread_.get(), INFINITE);
}

bool BackgroundWork::Start(LPTHREAD_START_ROUTINE body, void* context) {
    if (!thread_) thread_.reset(CreateThread(nullptr, 0, body, context, 0, nullptr));
    return static_cast<bool>(thread_);
}

}  // namespace win
