// Threads of the Windows programs: slim reader/writer locks, condition variables and
// CreateThread (all present since Windows Vista).
#include <windows.h>

#include <vector>

#include "package/threads.h"

namespace package {

struct Monitor::State {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE condition = CONDITION_VARIABLE_INIT;
};

Monitor::Monitor() : state_(new State) {}

Monitor::~Monitor() {
    delete state_;
}

void Monitor::Lock() {
    AcquireSRWLockExclusive(&state_->lock);
}

void Monitor::Unlock() {
    ReleaseSRWLockExclusive(&state_->lock);
}

void Monitor::Wait() {
    SleepConditionVariableSRW(&state_->condition, &state_->lock, INFINITE, 0);
}

void Monitor::NotifyAll() {
    WakeAllConditionVariable(&state_->condition);
}

namespace {

struct ThreadStart {
    void (*body)(void*);
    void* context;
};

DWORD WINAPI RunThread(void* parameter) {
    const ThreadStart start = *static_cast<ThreadStart*>(parameter);
    delete static_cast<ThreadStart*>(parameter);
    start.body(start.context);
    return 0;
}

}  // namespace

struct ThreadGroup::State {
    std::vector<HANDLE> threads;
};

ThreadGroup::ThreadGroup() : state_(new State) {}

ThreadGroup::~ThreadGroup() {
    Join();
    delete state_;
}

bool ThreadGroup::Start(void (*body)(void*), void* context) {
    auto* start = new ThreadStart{body, context};
    const HANDLE thread = CreateThread(nullptr, 0, RunThread, start, 0, nullptr);
    if (thread == nullptr) {
        delete start;
        return false;
    }
    state_->threads.push_back(thread);
    return true;
}

void ThreadGroup::Join() {
    for (const HANDLE thread : state_->threads) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    state_->threads.clear();
}

int32_t ProcessorCount() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors == 0 ? 1 : static_cast<int32_t>(info.dwNumberOfProcessors);
}

}  // namespace package
