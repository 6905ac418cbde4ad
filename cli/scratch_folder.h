#pragma once
// A folder of the command's own below the system's temporary folder, for the files a build
// packs first. Each run gets a new one, so that builds running side by side never share
// "License.rtf"; it is removed with everything in it when the object goes.

#include <string>

#include "os/os.h"

namespace cli {

class ScratchFolder {
  public:
    ScratchFolder() = default;
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Empty on success; otherwise the message.
    std::u16string Create();
    const os::Path& Path() const { return path_; }

  private:
    os::Path path_;
};

}  // namespace cli
