// The fault plan: counts calls of each operation and makes chosen calls fail, so tests can
// reach the failure paths of the code above the seam.
#include <cerrno>
#include <mutex>
#include <vector>

#include "os/posix/fake_internal.h"

namespace os::fake {
namespace {

constexpr int kOperationCount = static_cast<int>(Operation::Delete) + 1;

struct FaultPlan {
    std::mutex lock;
    int calls[kOperationCount] = {};
    // Call numbers (counted since ClearFaults) that are to fail, per operation.
    std::vector<int> failing[kOperationCount];
};

FaultPlan& Plan() {
    static FaultPlan plan;
    return plan;
}

int IndexOf(Operation operation) {
    return static_cast<int>(operation);
}

}  // namespace

void FailNth(Operation operation, int n) {
    if (n < 1) return;
    FaultPlan& plan = Plan();
    std::lock_guard<std::mutex> guard(plan.lock);
    const int i = IndexOf(operation);
    plan.failing[i].push_back(plan.calls[i] + n);
}

int CallCount(Operation operation) {
    FaultPlan& plan = Plan();
    std::lock_guard<std::mutex> guard(plan.lock);
    return plan.calls[IndexOf(operation)];
}

void ClearFaults() {
    FaultPlan& plan = Plan();
    std::lock_guard<std::mutex> guard(plan.lock);
    for (int i = 0; i < kOperationCount; ++i) {
        plan.calls[i] = 0;
        plan.failing[i].clear();
    }
}

namespace internal {

bool CountCallAndCheckFault(Operation operation) {
    FaultPlan& plan = Plan();
    std::lock_guard<std::mutex> guard(plan.lock);
    const int i = IndexOf(operation);
    const int call = ++plan.calls[i];
    std::vector<int>& failing = plan.failing[i];
    for (size_t k = 0; k < failing.size(); ++k) {
        if (failing[k] == call) {
            failing.erase(failing.begin() + static_cast<std::ptrdiff_t>(k));
            errno = EIO;
            return true;
        }
    }
    return false;
}

}  // namespace internal
}  // namespace os::fake
