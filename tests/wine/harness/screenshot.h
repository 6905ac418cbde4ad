#pragma once
// Pictures of the session's screen, for looking at the real windows of a test run.

#include <string>

namespace winetest {

// Saves the whole screen as <screenshots>/<name>.png and returns that path. Throws when the
// picture could not be taken.
std::string Screenshot(const std::string& name);

}  // namespace winetest
