#pragma once
// Where a "{metatrader}" record lands in each chosen terminal. The package names folders of the
// old terminal layout ("{metatrader}\experts\indicators\"); the installer knows which layout each
// chosen terminal has and maps the destination at install time.

#include <cstddef>
#include <string>
#include <vector>

#include "os/os.h"

namespace package {

class MetaTraderPlacement {
  public:
    virtual ~MetaTraderPlacement() = default;
    virtual size_t TerminalCount() const = 0;
    // The folder of terminal `terminal` (below TerminalCount) for a "{metatrader}" destination.
    virtual os::Path Folder(size_t terminal, const std::u16string& destination) const = 0;
};

// Each terminal folder followed by the destination without its "{metatrader}" token, as the
// package names it.
class FolderListPlacement : public MetaTraderPlacement {
  public:
    explicit FolderListPlacement(const std::vector<os::Path>& folders) : folders_(folders) {}
    size_t TerminalCount() const override { return folders_.size(); }
    os::Path Folder(size_t terminal, const std::u16string& destination) const override;

  private:
    const std::vector<os::Path>& folders_;
};

}  // namespace package
