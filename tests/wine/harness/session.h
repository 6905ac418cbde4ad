#pragma once
// Where things are during a Wine test run. The host build compiles in its own session folder
// (<host build>/wine-session), cross build, source tree and screenshot folder
// (<host build>/screenshots); the environment variables TESSARK_WINE_SESSION,
// TESSARK_WIN_BUILD_DIR, TESSARK_SOURCE_DIR and TESSARK_SCREENSHOT_DIR override them. The first
// call reads the session file that scripts/wine-session.sh wrote and puts DISPLAY, WINEPREFIX
// and WINEDEBUG=-all (unless WINEDEBUG is set already) into this process's environment, so
// that every program started from here (Wine, the X tools) uses the session's display and
// prefix.

#include <string>

namespace winetest {

struct Session {
    std::string folder;         // the session folder
    std::string display;        // ":90"
    std::string prefix;         // the Wine prefix (WINEPREFIX)
    std::string system32;       // the prefix's folder of the system DLLs the programs load
    std::string wine;           // the Wine loader that starts the programs
    std::string winBuildDir;    // the cross build
    std::string sourceDir;      // the source tree
    std::string screenshotDir;  // where screenshots go (created when missing)
};

// Throws std::runtime_error naming what is missing.
const Session& CurrentSession();

// A program of the cross build, by its path inside it ("tools/uidriver/uidriver.exe").
// Throws when it has not been built.
std::string WinProgram(const std::string& relativePath);

// A tool of the cross build's binary tools, such as "objdump", by its plain name.
std::string CrossTool(const std::string& name);

// A fresh, empty scratch folder for one test below the session folder, named after `name`;
// an older folder of that name is removed first.
std::string ScratchFolder(const std::string& name);

}  // namespace winetest
