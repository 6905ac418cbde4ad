#pragma once
// "Install.log", the installed-files list that an installation leaves in the product folder
// and the uninstaller reads. Always 52004 bytes:
//
//   offset 0   int32  number of used slots, 0..100
//   offset 4   100 slots of 260 UTF-16LE units: a full path ended by a zero unit, the rest of
//              the slot zero; unused slots all zero

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "os/os.h"

namespace package {

constexpr char16_t kInstallLogName[] = u"Install.log";
constexpr int32_t kInstallLogSlots = 100;
constexpr int32_t kInstallLogSlotUnits = 260;
constexpr int32_t kInstallLogBytes = 4 + kInstallLogSlots * kInstallLogSlotUnits * 2;
static_assert(kInstallLogBytes == 52004);

class InstallLog {
  public:
    InstallLog();

    // Lists `path` in the next slot. False, and nothing listed, when all slots are used or the
    // path is empty or does not fit a slot with its terminator.
    bool Add(std::u16string_view path);
    int32_t Count() const { return count_; }
    std::u16string Entry(int32_t index) const;
    std::vector<std::u16string> Entries() const;

    // The file image, always kInstallLogBytes long.
    const std::vector<uint8_t>& Bytes() const { return image_; }
    // Creates or truncates `file` and writes the image through to the disk.
    bool Write(const os::Path& file) const;

    // The list held by outside bytes, which may be damaged: the count is clamped to 0..100 and
    // a slot counts only when it lies inside `size` and holds a terminated, non-empty path.
    static InstallLog FromBytes(const uint8_t* data, size_t size);
    // Reads a list file; false when it cannot be opened or read.
    static bool Read(const os::Path& file, InstallLog* log);

  private:
    std::vector<uint8_t> image_;
    int32_t count_ = 0;
};

}  // namespace package
