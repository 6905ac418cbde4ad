#include "tests/wine/harness/marker_program.h"

#include <filesystem>
#include <stdexcept>

#include "tests/wine/harness/prefix_paths.h"
#include "tests/wine/harness/session.h"

namespace winetest {

namespace fs = std::filesystem;

std::string MarkerProgram() {
    return WinProgram("tests/wine/installer/marker.exe");
}

void CopyMarkerProgram(const std::string& hostPath) {
    std::error_code error;
    fs::create_directories(fs::path(hostPath).parent_path(), error);
    if (!error) {
        fs::copy_file(MarkerProgram(), hostPath, fs::copy_options::overwrite_existing, error);
    }
    if (error) throw std::runtime_error("cannot copy the marker program to " + hostPath);
}

void LayOutTerminal(const std::string& windowsFolder) {
    for (const char* folder : {"\\experts", "\\sounds", "\\config"}) {
        fs::create_directories(HostPath(windowsFolder + folder));
    }
    CopyMarkerProgram(HostPath(windowsFolder + "\\terminal.exe"));
}

}  // namespace winetest
