// The fake machine's root folder, the mapping of Windows paths onto it, and the module path.
#include <unistd.h>

#include "base/text.h"
#include "os/posix/fake_internal.h"

namespace os::fake {
namespace {

struct Machine {
    std::string root = "machine";  // relative to the current directory until SetRoot
    Path modulePath;               // empty: the real executable
};

Machine& TheMachine() {
    static Machine machine;
    return machine;
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

}  // namespace

void SetRoot(const std::string& hostFolder) {
    std::string root = hostFolder;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    const bool rootSet = !root.empty();
    TheMachine().root = rootSet ? root : "machine";
    internal::ResetKnownFolders(rootSet);
    ClearLaunches();
    if (rootSet) internal::CreateDefaultFolders();
}

const std::string& Root() {
    return TheMachine().root;
}

void SetModulePath(const Path& path) {
    TheMachine().modulePath = path;
}

std::string HostPath(const Path& path) {
    const bool drivePath = path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == u':';
    std::string host = text::ToUtf8(drivePath ? path.substr(2) : path);
    for (char& c : host) {
        if (c == '\\') c = '/';
    }
    if (!drivePath) return host;
    const char drive = static_cast<char>(text::ToLowerAscii(path[0]) - u'a' + 'A');
    std::string mapped = TheMachine().root + "/" + drive;
    if (!host.empty() && host.front() != '/') mapped += '/';
    return mapped + host;
}

}  // namespace os::fake

namespace os {

Path ModulePath() {
    const Path& chosen = fake::TheMachine().modulePath;
    if (!chosen.empty()) return chosen;
    std::string buffer(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", &buffer[0], buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return Path();
    buffer.resize(static_cast<size_t>(length));
    return text::FromUtf8(buffer);
}

}  // namespace os
