// Known folders through the shell and the system directory queries.
#include <shlobj.h>

#include "os/path_text.h"
#include "os/win/wide.h"

namespace os {
namespace {

constexpr int kNoShellFolder = -1;

int ShellFolderId(KnownFolder folder) {
    switch (folder) {
        case KnownFolder::ProgramFiles:
            return CSIDL_PROGRAM_FILES;
        case KnownFolder::Desktop:
            return CSIDL_DESKTOP;
        case KnownFolder::Documents:
            return CSIDL_PERSONAL;
        case KnownFolder::Startup:
            return CSIDL_STARTUP;
        case KnownFolder::CommonPrograms:
            return CSIDL_COMMON_PROGRAMS;
        case KnownFolder::Profile:
            return CSIDL_PROFILE;
        default:
            return kNoShellFolder;
    }
}

// A result of a query that fills `buffer` and returns the length, 0 on failure and the size
// needed when the buffer is too small.
bool TakeQueryResult(const wchar_t* buffer, UINT length, Path* path) {
    if (length == 0 || length >= MAX_PATH) return false;
    *path = WithoutTrailingSeparators(FromWide(buffer, length));
    return true;
}

bool QuerySystemFolder(KnownFolder folder, Path* path) {
    wchar_t buffer[MAX_PATH + 1];
    switch (folder) {
        case KnownFolder::Windows:
            return TakeQueryResult(buffer, GetWindowsDirectoryW(buffer, MAX_PATH), path);
        case KnownFolder::System:
            return TakeQueryResult(buffer, GetSystemDirectoryW(buffer, MAX_PATH), path);
        case KnownFolder::SystemWindows:
            return TakeQueryResult(buffer, GetSystemWindowsDirectoryW(buffer, MAX_PATH), path);
        case KnownFolder::Temp:
            // GetTempPathW's text ends with a backslash and may take MAX_PATH + 1 units.
            return TakeQueryResult(buffer, GetTempPathW(MAX_PATH + 1, buffer), path);
        default:
            return false;
    }
}

}  // namespace

bool GetKnownFolder(KnownFolder folder, Path* path) {
    const int id = ShellFolderId(folder);
    if (id == kNoShellFolder) return QuerySystemFolder(folder, path);
    wchar_t buffer[MAX_PATH];
    // S_FALSE means the folder does not exist, and the buffer is not filled then.
    if (SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK) return false;
    *path = WithoutTrailingSeparators(FromWide(buffer));
    return true;
}

bool GetKnownSubfolder(KnownFolder base, const Path& subfolder, Path* path) {
    const Path relative = WithoutTrailingSeparators(subfolder);
    const int id = ShellFolderId(base);
    if (id == kNoShellFolder) {
        Path folder;
        if (!GetKnownFolder(base, &folder)) return false;
        if (!relative.empty()) {
            folder += u'\\';
            folder += relative;
        }
        if (!CreateFolderTree(folder)) return false;
        *path = folder;
        return true;
    }
    wchar_t buffer[MAX_PATH];
    const HRESULT result =
        SHGetFolderPathAndSubDirW(nullptr, id | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                  relative.empty() ? nullptr : Wide(relative), buffer);
    if (result != S_OK) return false;
    *path = WithoutTrailingSeparators(FromWide(buffer));
    return true;
}

}  // namespace os
