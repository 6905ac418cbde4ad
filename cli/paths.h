#pragma once
// Paths as the command takes them: a project's files may be given relative to the project
// file's folder, so that a project and its files can move together.

#include "os/os.h"

namespace cli {

// True for "C:...", "\..." and "/..." paths, which are never taken relative to a folder.
bool IsAbsolutePath(const os::Path& path);
// The folder part of a file path, without its final separator; empty for a bare name.
os::Path FolderOf(const os::Path& file);
// `path` taken from `folder` unless it is absolute (or either is empty).
os::Path ResolveAgainst(const os::Path& folder, const os::Path& path);

}  // namespace cli
