// Threads of the host build, from the C++ library.
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "package/threads.h"

namespace package {

struct Monitor::State {
    std::mutex mutex;
    std::condition_variable condition;
};

Monitor::Monitor() : state_(new State) {}

Monitor::~Monitor() {
    delete state_;
}

void Monitor::Lock() {
    state_->mutex.lock();
}

void Monitor::Unlock() {
    state_->mutex.unlock();
}

void Monitor::Wait() {
    std::unique_lock<std::mutex> held(state_->mutex, std::adopt_lock);
    state_->condition.wait(held);
    held.release();  // the caller still holds the lock
}

void Monitor::NotifyAll() {
    state_->condition.notify_all();
}

struct ThreadGroup::State {
    std::vector<std::thread> threads;
};

ThreadGroup::ThreadGroup() : state_(new State) {}

ThreadGroup::~ThreadGroup() {
    Join();
    delete state_;
}

bool ThreadGroup::Start(void (*body)(void*), void* context) {
    try {
        state_->threads.emplace_back(body, context);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void ThreadGroup::Join() {
    for (std::thread& thread : state_->threads) thread.join();
    state_->threads.clear();
}

int32_t ProcessorCount() {
    const unsigned count = std::thread::hardware_concurrency();
    return count == 0 ? 1 : static_cast<int32_t>(count);
}

}  // namespace package
