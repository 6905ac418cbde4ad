#pragma once
// The peer: an NSIS installer of the same files, zlib-compressed and not solid, built by
// Debian's makensis, installing into the same folders as our setup.

#include <cstdint>
#include <string>

#include "product.h"

namespace bench {

struct PeerBuild {
    std::string missing;  // why there is no peer installer; empty when there is
    double seconds = 0;   // makensis's wall time
    uint64_t bytes = 0;
    std::string installer;
};

// Where both installers put the files, as Windows paths.
struct InstallPlaces {
    std::string metatraderFolder;  // such as C:\MT4
    std::string productFolder;     // the folder below Program Files that {app} names
};

// Finds makensis (installing Debian's nsis package when the bench runs as root and it is
// missing), writes the script into `folder` and builds the installer there.
PeerBuild BuildPeerInstaller(const Product& product, const InstallPlaces& places,
                             const std::string& license, const std::string& folder);

}  // namespace bench
