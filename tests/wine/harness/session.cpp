#include "tests/wine/harness/session.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace winetest {

namespace fs = std::filesystem;

namespace {

// The environment variable, else the value this build was configured with.
std::string Variable(const char* name, const char* configured) {
    const char* value = std::getenv(name);
    if (value && *value) return value;
    return configured;
}

std::string Required(const char* name, const char* configured) {
    std::string value = Variable(name, configured);
    if (value.empty()) {
        throw std::runtime_error(std::string(name) +
                                 " is not known: configure the host build with "
                                 "-DTESSARK_WIN_BUILD_DIR=<cross build> or set the variable");
    }
    return value;
}

std::map<std::string, std::string> ReadSessionFile(const std::string& folder) {
    const std::string path = folder + "/session.env";
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("no Wine session in " + folder +
                                 " (no session.env): run scripts/wine-session.sh start " + folder);
    }
    std::map<std::string, std::string> values;
    std::string line;
    while (std::getline(in, line)) {
        size_t equals = line.find('=');
        if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

Session Load() {
    Session s;
    s.folder = Required("TESSARK_WINE_SESSION", TESSARK_WINE_SESSION_DEFAULT);
    auto values = ReadSessionFile(s.folder);
    s.display = values["DISPLAY"];
    s.prefix = values["WINEPREFIX"];
    s.system32 =
        TESSARK_PROGRAMS_ARE_64_BIT ? s.prefix + "/drive_c/windows/system32" : values["SYSTEM32"];
    s.wine = values["WINE"].empty() ? "wine" : values["WINE"];
    if (s.display.empty() || s.prefix.empty()) {
        throw std::runtime_error(s.folder + "/session.env lacks DISPLAY or WINEPREFIX");
    }
    s.winBuildDir = Required("TESSARK_WIN_BUILD_DIR", TESSARK_WIN_BUILD_DIR_DEFAULT);
    s.sourceDir = Variable("TESSARK_SOURCE_DIR", TESSARK_SOURCE_DIR_DEFAULT);
    s.screenshotDir = Variable("TESSARK_SCREENSHOT_DIR", TESSARK_SCREENSHOT_DIR_DEFAULT);
    if (s.screenshotDir.empty()) s.screenshotDir = s.folder + "/screenshots";
    fs::create_directories(s.screenshotDir);

    setenv("DISPLAY", s.display.c_str(), 1);
    setenv("WINEPREFIX", s.prefix.c_str(), 1);
    setenv("WINEDEBUG", "-all", 0);  // a developer's own debug channels win
    return s;
}

}  // namespace

const Session& CurrentSession() {
    static const Session session = Load();
    return session;
}

std::string WinProgram(const std::string& relativePath) {
    std::string path = CurrentSession().winBuildDir + "/" + relativePath;
    if (!fs::is_regular_file(path)) {
        throw std::runtime_error("not built: " + path + " (build the cross build first)");
    }
    return path;
}

std::string CrossTool(const std::string& name) {
    return TESSARK_CROSS_TOOL_PREFIX + name;
}

std::string ScratchFolder(const std::string& name) {
    fs::path folder = fs::path(CurrentSession().folder) / "scratch" / name;
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    return folder.string();
}

}  // namespace winetest
