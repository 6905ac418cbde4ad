#pragma once
// The check a setup makes of its own package before it writes anything: every stream inflated
// into nowhere and held against zlib's checksum and the stored sizes, so that a broken
// download is refused before a half-installed product can come of it.

#include <cstdint>

#include "package/self_extractor.h"

namespace installer {

enum class PackageCheck {
    Sound,
    NoPackage,  // no package that could be read (as the wizard has always met it)
    Damaged,    // the package reads, but a stream does not hold
};

// Told how far the check has come; on the checking thread.
class PackageCheckProgress {
  public:
    virtual ~PackageCheckProgress() = default;
    // Before the first stream: how many stream bytes there are to check.
    virtual void Begin(int64_t totalBytes) = 0;
    // Now and then: how many of them have been checked.
    virtual void Checked(int64_t doneBytes) = 0;
};

// From this many stream bytes on, the check takes long enough to be shown.
constexpr int64_t kVisibleCheckBytes = 4 * 1024 * 1024;

inline constexpr char16_t kDamagedSetupMessage[] =
    u"This setup file is damaged. Please download it again.";

// Reads the package at `reader`'s module path and checks every record's stream. `progress`
// may be null. The table stays read for whoever uses `reader` next.
PackageCheck CheckPackage(CSelfExtractor& reader, PackageCheckProgress* progress);

}  // namespace installer
