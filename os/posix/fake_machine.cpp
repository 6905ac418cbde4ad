// The fake machine's root folder, the mapping of Windows paths onto it, and the module path.
#include <unistd.h>

#include <vector>

#include "base/text.h"
#include "os/posix/fake_internal.h"

namespace os::fake {
namespace {

struct Machine {
    std::string root = "machine";  // relative to the current directory until SetRoot
    Path modulePath;               // empty: the real executable
    bool confined = false;         // paths without a drive are taken as paths on drive C
};

Machine& TheMachine() {
    static Machine machine;
    return machine;
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The levels of a path on a drive, joined with "/" and with a leading "/" when there are any.
// As Windows does, "." levels and empty levels are dropped and ".." removes the level before
// it but never climbs above the drive, so no drive path maps outside its drive's folder. A
// trailing separator is kept.
std::string DriveLevels(const std::string& path) {
    std::vector<std::string> levels;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::string level = path.substr(start, end - start);
        if (level == "..") {
            if (!levels.empty()) levels.pop_back();
        } else if (!level.empty() && level != ".") {
            levels.push_back(level);
        }
        start = end + 1;
    }
    std::string joined;
    for (const std::string& level : levels) joined += "/" + level;
    if (!path.empty() && IsSeparator(path.back())) joined += '/';
    return joined;
}

}  // namespace

void SetRoot(const std::string& hostFolder) {
    std::string root = hostFolder;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    const bool rootSet = !root.empty();
    TheMachine().root = rootSet ? root : "machine";
    if (!rootSet) TheMachine().confined = false;
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

void ConfineToRoot(bool confine) {
    TheMachine().confined = confine;
}

std::string HostPath(const Path& path) {
    const bool drivePath = path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == u':';
    if (!drivePath && !TheMachine().confined) {
        std::string host = text::ToUtf8(path);
        for (char& c : host) {
            if (c == '\\') c = '/';
        }
        return host;
    }
    const char drive =
        drivePath ? static_cast<char>(text::ToLowerAscii(path[0]) - u'a' + 'A') : 'C';
    return TheMachine().root + "/" + drive +
           DriveLevels(text::ToUtf8(path.substr(drivePath ? 2 : 0)));
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
