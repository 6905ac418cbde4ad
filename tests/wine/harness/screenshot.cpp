#include "tests/wine/harness/screenshot.h"

#include <stdexcept>

#include "tests/wine/harness/process.h"
#include "tests/wine/harness/session.h"

namespace winetest {

std::string Screenshot(const std::string& name) {
    const Session& session = CurrentSession();
    const std::string path = session.screenshotDir + "/" + name + ".png";
    ProcessResult result = RunNative(
        "import", {"-display", session.display, "-window", "root", path}, RunOptions{30000});
    if (result.exitCode != 0) {
        throw std::runtime_error("screenshot " + path + " failed: " + result.err);
    }
    return path;
}

}  // namespace winetest
