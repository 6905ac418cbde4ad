#pragma once
// The MetaTrader terminal's binary expert settings file "config\experts.ini". The installer
// changes single option bytes in it and leaves every other byte alone:
//
//   offset  0  int32 400, the record header (only written into a new file)
//   offset  4  enableExperts              offset 24  confirmDllCalls
//   offset  8  disableOnAccountChange     offset 28  allowExternalImports
//   offset 12  disableOnProfileChange     offset 36  allowLiveTrading
//   offset 20  allowDllImports            offset 40  askManualConfirmation
//
// Each option byte is 0 (off) or 1 (on). A file the installer creates is 292 bytes long.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "installer/terminal_target.h"
#include "os/os.h"
#include "package/expert_options.h"

namespace installer {

// File offset of each option, in the order of kExpertOptionFields (enableExperts,
// disableOnAccountChange, disableOnProfileChange, allowLiveTrading, askManualConfirmation,
// allowDllImports, confirmDllCalls, allowExternalImports).
constexpr std::array<uint32_t, 8> kExpertOptionOffsets = {4, 8, 12, 36, 40, 20, 24, 28};
// The option state that leaves the user's byte as it is.
constexpr int32_t kOptionNoChange = 2;

constexpr uint32_t kExpertSettingsRecordSize = 292;
// A settings file is read whole; one larger than this is not one the installer understands.
constexpr size_t kExpertSettingsLimit = 1 << 20;
// A file must reach the last option byte (offset 40) to be a record the installer understands.
constexpr uint32_t kExpertSettingsMinimumSize = 41;
static_assert(kExpertSettingsMinimumSize == 40 + 1, "the last option byte lies at offset 40");

using ExpertSettingsRecord = std::array<uint8_t, kExpertSettingsRecordSize>;

// The record written into a new file: header 400, the six options up to offset 28 on.
ExpertSettingsRecord DefaultExpertSettings();

// Stores the low byte of each option's state into `bytes`, which hold `size` bytes of the file
// starting at file offset `filePosition`. Options in state kOptionNoChange, and offsets outside
// the span, are left.
void PatchExpertOptions(const ExpertOptions& options, int64_t filePosition, uint8_t* bytes,
                        size_t size);

enum class SettingsResult {
    Written,
    TooShort,  // shorter than kExpertSettingsMinimumSize: left exactly as it was
    Failed,    // could not be read or written, or beyond kExpertSettingsLimit: left as it was
};

// Applies the options to an existing file. The new contents go to a temporary file in the same
// folder that then replaces the original, so a failure never leaves a truncated file.
SettingsResult UpdateExpertSettingsFile(const os::Path& file, const ExpertOptions& options);

// Creates the file with the default record and the options applied (same replacing write).
SettingsResult CreateExpertSettingsFile(const os::Path& file, const ExpertOptions& options);

// Applies the options in every chosen terminal. A classic terminal: first the per-user copies
// that file virtualisation keeps ("<profile>\AppData\Local\VirtualStore<folder without
// drive>\config"), for every profile folder next to the current user's, then the terminal's own
// "config\experts.ini", created when missing; a virtual config folder that holds no settings
// file gets a new one; virtual folders are never created. A portable terminal: the same files,
// but only those that exist. A current terminal: its data folder's "config\experts.ini" when it
// exists. Files shorter than the record are left alone. Nothing is reported.
void WriteExpertOptions(const ExpertOptions& options, const std::vector<TerminalTarget>& terminals);

}  // namespace installer
