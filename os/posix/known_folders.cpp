// The fake machine's known folders: a table that starts as a plain Windows layout.
#include <cstdlib>

#include "base/text.h"
#include "os/path_text.h"
#include "os/posix/fake_internal.h"

namespace os::fake {
namespace {

constexpr int kKnownFolderCount = static_cast<int>(KnownFolder::Profile) + 1;

struct KnownFolderTable {
    Path paths[kKnownFolderCount];
    bool failing[kKnownFolderCount] = {};
};

int IndexOf(KnownFolder folder) {
    return static_cast<int>(folder);
}

// The system's temporary folder, for a machine without a root (the command-line tool).
Path HostTempFolder() {
    std::string folder;
    if (const char* tmpdir = std::getenv("TMPDIR")) folder = tmpdir;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder.empty()) folder = "/tmp";
    return text::FromUtf8(folder);
}

void FillDefaults(KnownFolderTable* table, bool rootSet) {
    const Path user = u"C:\\users\\tester";
    auto set = [table](KnownFolder folder, Path path) {
        table->paths[IndexOf(folder)] = std::move(path);
        table->failing[IndexOf(folder)] = false;
    };
    set(KnownFolder::ProgramFiles, u"C:\\Program Files (x86)");
    set(KnownFolder::Desktop, user + u"\\Desktop");
    set(KnownFolder::Documents, user + u"\\Documents");
    set(KnownFolder::Startup,
        user + u"\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup");
    set(KnownFolder::CommonPrograms, u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");
    set(KnownFolder::Windows, u"C:\\windows");
    set(KnownFolder::System, u"C:\\windows\\system32");
    set(KnownFolder::SystemWindows, u"C:\\windows");
    set(KnownFolder::Temp, rootSet ? user + u"\\Temp" : HostTempFolder());
    set(KnownFolder::Profile, user);
}

KnownFolderTable& Table() {
    static KnownFolderTable table = [] {
        KnownFolderTable fresh;
        FillDefaults(&fresh, false);
        return fresh;
    }();
    return table;
}

}  // namespace

void SetKnownFolder(KnownFolder folder, const Path& path) {
    Table().paths[IndexOf(folder)] = path;
    Table().failing[IndexOf(folder)] = false;
}

void FailKnownFolder(KnownFolder folder) {
    Table().failing[IndexOf(folder)] = true;
}

namespace internal {

void ResetKnownFolders(bool rootSet) {
    FillDefaults(&Table(), rootSet);
}

void CreateDefaultFolders() {
    // Made directly, outside the fault plan: they belong to the machine, not to the code
    // under test.
    for (const Path& path : Table().paths) CreateHostFolderTree(HostPath(path), false);
}

}  // namespace internal
}  // namespace os::fake

namespace os {

bool GetKnownFolder(KnownFolder folder, Path* path) {
    const fake::KnownFolderTable& table = fake::Table();
    const int i = fake::IndexOf(folder);
    if (table.failing[i]) return false;
    *path = table.paths[i];
    return true;
}

bool GetKnownSubfolder(KnownFolder base, const Path& subfolder, Path* path) {
    Path folder;
    if (!GetKnownFolder(base, &folder)) return false;
    const Path relative = WithoutTrailingSeparators(subfolder);
    if (!relative.empty()) folder += u"\\" + relative;
    if (!CreateFolderTree(folder)) return false;
    *path = folder;
    return true;
}

}  // namespace os
