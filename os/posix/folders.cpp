// Folders and path kinds on the fake machine.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/text.h"
#include "os/posix/fake_internal.h"

namespace os {
namespace {

using fake::Operation;
using fake::internal::CountCallAndCheckFault;

bool IsHostFolder(const std::string& host) {
    struct stat info;
    return stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeHostFolder(const std::string& host, bool countCall) {
    if (countCall && CountCallAndCheckFault(Operation::CreateFolder)) return false;
    return mkdir(host.c_str(), 0755) == 0;
}

}  // namespace

PathKind GetPathKind(const Path& path) {
    struct stat info;
    if (stat(fake::HostPath(path).c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Unknown;
    }
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::File;
}

bool CreateFolder(const Path& path) {
    return MakeHostFolder(fake::HostPath(path), true);
}

bool DiscardFile(const Path& path) {
    const int error = errno;
    const bool deleted = unlink(fake::HostPath(path).c_str()) == 0;
    errno = error;
    return deleted;
}

bool CreateFolderTree(const Path& path) {
    return fake::internal::CreateHostFolderTree(fake::HostPath(path), true);
}

bool DeleteFile(const Path& path) {
    if (CountCallAndCheckFault(Operation::Delete)) return false;
    return unlink(fake::HostPath(path).c_str()) == 0;
}

bool RemoveFolder(const Path& path) {
    if (CountCallAndCheckFault(Operation::Delete)) return false;
    const std::string host = fake::HostPath(path);
    struct stat info;
    if (lstat(host.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        return IsHostFolder(host) && unlink(host.c_str()) == 0;
    }
    return rmdir(host.c_str()) == 0;
}

bool MoveReplace(const Path& from, const Path& to) {
    if (CountCallAndCheckFault(Operation::Move)) return false;
    return std::rename(fake::HostPath(from).c_str(), fake::HostPath(to).c_str()) == 0;
}

bool ListFolder(const Path& folder, std::vector<FolderEntry>* entries) {
    const std::string host = fake::HostPath(folder);
    DIR* dir = opendir(host.c_str());
    if (dir == nullptr) return false;
    std::vector<FolderEntry> found;
    errno = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        FolderEntry item;
        item.name = text::FromUtf8(name);
        item.isFolder =
            entry->d_type == DT_DIR || ((entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) &&
                                        IsHostFolder(host + "/" + name));
        struct stat info;
        item.isLink = entry->d_type == DT_LNK ||
                      (entry->d_type == DT_UNKNOWN &&
                       lstat((host + "/" + name).c_str(), &info) == 0 && S_ISLNK(info.st_mode));
        found.push_back(std::move(item));
        errno = 0;
    }
    const int readError = errno;
    closedir(dir);
    if (readError != 0) {
        errno = readError;
        return false;
    }
    *entries = std::move(found);
    return true;
}

namespace fake::internal {

bool CreateHostFolderTree(const std::string& hostFolder, bool countCalls) {
    std::string full = hostFolder;
    while (full.size() > 1 && full.back() == '/') full.pop_back();
    if (full.empty()) {
        errno = ENOENT;
        return false;
    }
    // Every level from the top down; levels that exist already are left alone.
    for (size_t end = 1; end <= full.size(); ++end) {
        if (end < full.size() && full[end] != '/') continue;
        if (full[end - 1] == '/') continue;  // a doubled slash
        const std::string level = full.substr(0, end);
        if (IsHostFolder(level)) continue;
        if (MakeHostFolder(level, countCalls)) continue;
        const int error = errno;
        if (IsHostFolder(level)) continue;  // made by someone else meanwhile
        errno = error;
        return false;
    }
    return true;
}

}  // namespace fake::internal
}  // namespace os
