// Folders and path kinds through the Win32 file API.
#include "os/path_text.h"
#include "os/win/owned.h"
#include "os/win/wide.h"

#undef DeleteFile  // the os:: function below, not the Win32 macro

namespace os {
namespace {

// Index just past `count` names that follow `from`, each ended by a separator.
size_t SkipNames(const Path& path, size_t from, int count) {
    size_t end = from;
    for (int names = 0; names < count && end < path.size(); ++names) {
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        if (end < path.size()) ++end;
    }
    return end;
}

bool IsDrive(const Path& path, size_t at) {
    if (path.size() < at + 2 || path[at + 1] != u':') return false;
    const char16_t letter = path[at];
    return (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
}

// Length of the part of a path that names no folder to create: "C:\", "C:", "\",
// "\\server\share\", "\\?\C:\", "\\?\UNC\server\share\"; 0 for a relative path.
size_t RootLength(const Path& path) {
    size_t start = 0;
    if (path.compare(0, 4, u"\\\\?\\") == 0) {
        if (path.compare(4, 4, u"UNC\\") == 0) return SkipNames(path, 8, 2);
        start = 4;
    }
    if (IsDrive(path, start)) {
        const size_t end = start + 2;
        return end < path.size() && IsSeparator(path[end]) ? end + 1 : end;
    }
    if (start == 0 && path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        return SkipNames(path, 2, 2);
    }
    return start == 0 && !path.empty() && IsSeparator(path[0]) ? 1 : start;
}

bool IsFolder(const Path& path) {
    return GetPathKind(path) == PathKind::Folder;
}

}  // namespace

PathKind GetPathKind(const Path& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Missing
                                                                              : PathKind::Unknown;
    }
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::Folder : PathKind::File;
}

bool CreateFolder(const Path& path) {
    return CreateDirectoryW(Wide(path), nullptr) != FALSE;
}

bool CreateFolderTree(const Path& path) {
    const Path full = WithoutTrailingSeparators(path);
    const size_t root = RootLength(full);
    if (full.size() <= root) return IsFolder(path);  // a drive or share root
    // Every level from the top down; levels that exist already are left alone.
    for (size_t end = root + 1; end <= full.size(); ++end) {
        if (end < full.size() && !IsSeparator(full[end])) continue;
        if (IsSeparator(full[end - 1])) continue;  // a doubled separator
        const Path level = full.substr(0, end);
        if (IsFolder(level) || CreateFolder(level)) continue;
        const DWORD error = GetLastError();
        if (IsFolder(level)) continue;  // made by someone else meanwhile
        SetLastError(error);
        return false;
    }
    return true;
}

bool DeleteFile(const Path& path) {
    return ::DeleteFileW(Wide(path)) != FALSE;
}

bool DiscardFile(const Path& path) {
    const DWORD error = GetLastError();
    const bool deleted = ::DeleteFileW(Wide(path)) != FALSE;
    SetLastError(error);
    return deleted;
}

bool DeleteFileW(const Path& path) {
    return DeleteFile(path);
}

bool RemoveFolder(const Path& path) {
    return RemoveDirectoryW(Wide(path)) != FALSE;
}

bool MoveReplace(const Path& from, const Path& to) {
    return MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

bool ListFolder(const Path& folder, std::vector<FolderEntry>* entries) {
    const bool endsWithSeparator = !folder.empty() && IsSeparator(folder.back());
    const Path pattern = folder + (endsWithSeparator ? u"*.*" : u"\\*.*");
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(Wide(pattern), &data));
    std::vector<FolderEntry> found;
    if (!find) {
        // An empty drive root has not even "." and "..".
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND || !IsFolder(folder)) {
            SetLastError(error);
            return false;
        }
        entries->clear();
        return true;
    }
    do {
        FolderEntry entry;
        entry.name = FromWide(data.cFileName);
        if (entry.name == u"." || entry.name == u"..") continue;
        entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                       (data.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT ||
                        data.dwReserved0 == IO_REPARSE_TAG_SYMLINK);
        found.push_back(std::move(entry));
    } while (FindNextFileW(find.get(), &data));
    if (GetLastError() != ERROR_NO_MORE_FILES) return false;
    *entries = std::move(found);
    return true;
}

}  // namespace os
