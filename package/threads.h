#pragma once
// The little the parallel packer needs of threads: a lock with a condition to wait on, and a
// group of worker threads. The host build has them from the C++ library; the Windows programs,
// whose compiler's library has no threads, from Win32 slim locks and CreateThread.

#include <cstdint>

namespace package {

// A lock and one condition under it. Every waiter is woken by NotifyAll and checks its own
// predicate again, so one condition serves a few threads with different wishes.
class Monitor {
  public:
    Monitor();
    ~Monitor();
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    void Lock();
    void Unlock();
    // With the lock held: releases it until a NotifyAll (or a spurious wake), then takes it.
    void Wait();
    void NotifyAll();

  private:
    struct State;
    State* state_;
};

// Holds a monitor's lock for a scope.
class MonitorLock {
  public:
    explicit MonitorLock(Monitor& monitor) : monitor_(monitor) { monitor_.Lock(); }
    ~MonitorLock() { monitor_.Unlock(); }
    MonitorLock(const MonitorLock&) = delete;
    MonitorLock& operator=(const MonitorLock&) = delete;

  private:
    Monitor& monitor_;
};

// Releases a held lock for a scope, for work that must not block the others.
class MonitorUnlock {
  public:
    explicit MonitorUnlock(Monitor& monitor) : monitor_(monitor) { monitor_.Unlock(); }
    ~MonitorUnlock() { monitor_.Lock(); }
    MonitorUnlock(const MonitorUnlock&) = delete;
    MonitorUnlock& operator=(const MonitorUnlock&) = delete;

  private:
    Monitor& monitor_;
};

// Threads that each run body(context) to its end.
class ThreadGroup {
  public:
    ThreadGroup();
    // Waits for every thread started.
    ~ThreadGroup();
    ThreadGroup(const ThreadGroup&) = delete;
    ThreadGroup& operator=(const ThreadGroup&) = delete;

    // Starts one more thread; false when the system refuses one.
    bool Start(void (*body)(void*), void* context);
    // Waits until every thread started so far has ended.
    void Join();

  private:
    struct State;
    State* state_;
};

// The processors this program may run on, at least 1.
int32_t ProcessorCount();

}  // namespace package
