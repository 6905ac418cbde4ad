#pragma once
// "Install.log", the installed-files list that an installation leaves in the product folder
// and the uninstaller reads. The first 52004 bytes are the list's original layout, which holds
// the first hundred entries to remove; an extension after them lists every entry:
//
//   offset 0      int32   number of used slots, 0..100
//   offset 4      100 slots of 260 UTF-16LE units: a full path ended by a zero unit, the rest
//                 of the slot zero; unused slots all zero. The first hundred Remove entries.
//   offset 52004  8 bytes "TSKLOG2" and a zero byte: the extension follows
//   offset 52012  int32   number of entries
//   offset 52016  each entry: uint16 kind, uint16 length in units, the path's UTF-16LE units
//                 (no terminator)
//
// A reader of the original layout sees the first hundred files to remove; a list written
// before the extension existed has only the original part, which is read as it is.

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
constexpr char kInstallLogExtensionMark[8] = {'T', 'S', 'K', 'L', 'O', 'G', '2', '\0'};
// What a list file may grow to: far beyond 256 records in many terminals, and a bound for
// reading a damaged one.
constexpr size_t kInstallLogLimit = 8u << 20;

enum class LogEntryKind : uint16_t {
    Remove = 0,         // an installed file or shortcut: the uninstaller deletes it
    Keep = 1,           // a file marked Never Uninstall: left, also when its folder is emptied
    CreatedFolder = 2,  // a folder the installation created: removed when empty, deepest first
};

struct LogEntry {
    LogEntryKind kind = LogEntryKind::Remove;
    std::u16string path;
};

class InstallLog {
  public:
    // Lists `path` with `kind`. False, and nothing listed, when the path is empty, longer than
    // a slot holds with its terminator (259 units), holds a zero unit (the system would read
    // another path), or is already listed (letter case aside): a path is listed once, with the
    // kind it was first listed with.
    bool Add(std::u16string_view path, LogEntryKind kind = LogEntryKind::Remove);
    // Every entry, in the order listed.
    const std::vector<LogEntry>& All() const { return entries_; }
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    // The paths of the entries of one kind, in order.
    std::vector<std::u16string> Paths(LogEntryKind kind) const;
    // The files and shortcuts to remove, in order.
    std::vector<std::u16string> Entries() const { return Paths(LogEntryKind::Remove); }
    bool Lists(std::u16string_view path) const;

    // Lists the entries of `earlier` (the list of an earlier installation of the product)
    // that this one does not list and that `exists` still finds, after its own: a reinstall
    // or an upgrade then removes what both versions installed.
    void AddEarlier(const InstallLog& earlier, bool (*exists)(const std::u16string& path));

    // The file image: the original part, then the extension.
    std::vector<uint8_t> Bytes() const;
    // Writes the image as the new content of `file`, through a temporary file beside it.
    bool Write(const os::Path& file) const;

    // The list held by outside bytes, which may be damaged. The original part: the count is
    // clamped to 0..100, and a slot counts only when it lies inside `size` and holds a
    // terminated, non-empty path. The extension, when its mark is there: entries up to the
    // first one that is cut off or malformed (an unknown kind, a zero unit in its path). Paths
    // in both are listed once.
    static InstallLog FromBytes(const uint8_t* data, size_t size);
    // Reads a list file; false when it cannot be opened or read, or is beyond kInstallLogLimit.
    static bool Read(const os::Path& file, InstallLog* log);

  private:
    std::vector<LogEntry> entries_;
};

}  // namespace package
