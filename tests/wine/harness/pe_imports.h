#pragma once
// What a cross-built program needs at load time. Our programs must start on a clean Windows,
// so they may import system DLLs only: nothing of the compiler's runtime (libstdc++, libgcc,
// libwinpthread) and no zlib1.dll.

#include <string>
#include <vector>

namespace winetest {

// The DLL names of the program's import table, as the cross build's `objdump -p` lists them.
// Throws when objdump cannot read the file.
std::vector<std::string> ImportedDlls(const std::string& program);

// The imported DLLs that are not system DLLs: the compiler's runtime and zlib by name, and
// any DLL the Wine prefix's system folder does not have.
std::vector<std::string> NonSystemImports(const std::string& program);

// Every .exe of the cross build (CMake's own probe programs left out), sorted.
std::vector<std::string> CrossBuiltPrograms();

// Parses objdump's private headers: the names after "DLL Name:".
std::vector<std::string> ParseObjdumpImports(const std::string& output);

// True for the DLLs of the MinGW runtime and zlib, whatever the letter case.
bool IsToolchainRuntimeDll(const std::string& name);

}  // namespace winetest
