#include "tests/wine/harness/pe_imports.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "tests/wine/harness/process.h"
#include "tests/wine/harness/session.h"

namespace winetest {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool SystemFolderHas(const std::string& folder, const std::string& dll) {
    std::error_code error;
    if (fs::exists(fs::path(folder) / dll, error)) return true;
    const std::string wanted = Lower(dll);
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (Lower(entry.path().filename().string()) == wanted) return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> ParseObjdumpImports(const std::string& output) {
    std::vector<std::string> dlls;
    std::istringstream in(output);
    std::string line;
    const std::string marker = "DLL Name:";
    while (std::getline(in, line)) {
        size_t at = line.find(marker);
        if (at == std::string::npos) continue;
        std::string name = line.substr(at + marker.size());
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t\r") + 1);
        if (!name.empty()) dlls.push_back(name);
    }
    return dlls;
}

bool IsToolchainRuntimeDll(const std::string& name) {
    const std::string lower = Lower(name);
    for (const char* runtime : {"libstdc++", "libgcc", "libwinpthread", "libssp", "zlib", "libz"}) {
        if (lower.compare(0, std::char_traits<char>::length(runtime), runtime) == 0) return true;
    }
    return false;
}

std::vector<std::string> ImportedDlls(const std::string& program) {
    ProcessResult result = RunNative(CrossTool("objdump"), {"-p", program}, RunOptions{60000});
    if (result.exitCode != 0) {
        throw std::runtime_error("objdump cannot read " + program + ": " + result.err);
    }
    return ParseObjdumpImports(result.out);
}

std::vector<std::string> NonSystemImports(const std::string& program) {
    const std::string& system32 = CurrentSession().system32;
    std::vector<std::string> foreign;
    for (const std::string& dll : ImportedDlls(program)) {
        if (IsToolchainRuntimeDll(dll) || system32.empty() || !SystemFolderHas(system32, dll)) {
            foreign.push_back(dll);
        }
    }
    return foreign;
}

std::vector<std::string> CrossBuiltPrograms() {
    std::vector<std::string> programs;
    const fs::path root = CurrentSession().winBuildDir;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (error) break;
        if (it->is_directory() && it->path().filename() == "CMakeFiles") {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file() && Lower(it->path().extension().string()) == ".exe") {
            programs.push_back(it->path().string());
        }
    }
    std::sort(programs.begin(), programs.end());
    return programs;
}

}  // namespace winetest
