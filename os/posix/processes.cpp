// The fake machine's process table and the launches ShellOpen records.
#include "base/text.h"
#include "os/posix/fake_internal.h"

namespace os::fake {
namespace {

struct Processes {
    std::vector<std::u16string> running;
    std::vector<Launch> launches;
};

Processes& TheProcesses() {
    static Processes processes;
    return processes;
}

}  // namespace

void SetRunningProcesses(const std::vector<std::u16string>& exeNames) {
    TheProcesses().running = exeNames;
}

const std::vector<Launch>& Launches() {
    return TheProcesses().launches;
}

void ClearLaunches() {
    TheProcesses().launches.clear();
}

}  // namespace os::fake

namespace os {

bool IsProcessRunning(const std::u16string& exeName) {
    for (const auto& name : fake::TheProcesses().running) {
        if (text::EqualsNoCase(name, exeName)) return true;
    }
    return false;
}

int32_t ShellOpen(const Path& path, const std::u16string& parameters, ShowMode show) {
    fake::TheProcesses().launches.push_back({path, parameters, show});
    return 42;
}

}  // namespace os
