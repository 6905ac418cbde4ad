#pragma once
// The marker program (tests/wine/installer/win/marker.cpp), which stands in for the programs a
// setup starts: a MetaTrader terminal, a post-execute file. Wherever it is started it leaves
// "<its path>.started" holding its arguments; with "--stay" it then runs for a minute.

#include <string>

namespace winetest {

// Its host path. Throws std::runtime_error when it has not been built.
std::string MarkerProgram();

// A copy of it at `hostPath` (folders made, an older file replaced), for example as a
// terminal's "terminal.exe". Throws std::runtime_error when it cannot be copied.
void CopyMarkerProgram(const std::string& hostPath);

// A MetaTrader terminal folder as a setup discovers it: "experts", "sounds" and "config", and
// the marker program as "terminal.exe". `windowsFolder` is a Windows path.
void LayOutTerminal(const std::string& windowsFolder);

}  // namespace winetest
