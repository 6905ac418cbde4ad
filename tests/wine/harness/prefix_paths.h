#pragma once
// Windows paths inside the Wine prefix and the host paths they stand for.

#include <string>

namespace winetest {

// The host path of a Windows path: "C:\\Program Files\\X" becomes
// "<prefix>/drive_c/Program Files/X", other drive letters follow the prefix's dosdevices
// links (Z: is the host root). Windows compares names without regard to case, so each part
// that exists is matched that way ("c:\\program files" finds "Program Files"); parts that do
// not exist are kept as written. "/" counts as a separator too. Throws std::invalid_argument
// for a path without a drive letter.
std::string HostPath(const std::string& windowsPath);

// The Windows path under which Wine programs see a host path: "C:\\..." inside the prefix's
// drive_c, "Z:\\..." anywhere else.
std::string WindowsPath(const std::string& hostPath);

}  // namespace winetest
