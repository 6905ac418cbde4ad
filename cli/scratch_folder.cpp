#include "cli/scratch_folder.h"

#include <vector>

#include "base/text.h"
#include "builder/build/temp_files.h"
#include "os/path_text.h"

namespace cli {

namespace {

constexpr int kAttempts = 10000;

}  // namespace

ScratchFolder::~ScratchFolder() {
    if (path_.empty()) return;
    std::vector<os::FolderEntry> entries;
    if (os::ListFolder(path_, &entries)) {
        for (const os::FolderEntry& entry : entries) {
            if (!entry.isFolder) os::DeleteFile(build::PathInFolder(path_, entry.name));
        }
    }
    os::RemoveFolder(path_);
}

std::u16string ScratchFolder::Create() {
    os::Path temp;
    if (!os::GetKnownFolder(os::KnownFolder::Temp, &temp)) {
        return u"cannot find the temporary folder: " + os::LastErrorMessage();
    }
    // Creating a folder is atomic, so the first free name is ours alone.
    for (int i = 1; i <= kAttempts; ++i) {
        const os::Path candidate = build::PathInFolder(temp, u"tessark-build-" + text::FromInt(i));
        if (os::CreateFolder(candidate)) {
            path_ = candidate;
            return {};
        }
        if (os::GetPathKind(candidate) == os::PathKind::Missing) break;
    }
    return text::Format(u"cannot create a folder in the temporary folder %s: %s",
                        {temp, os::LastErrorMessage()});
}

}  // namespace cli
