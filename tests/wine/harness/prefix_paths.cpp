#include "tests/wine/harness/prefix_paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "tests/wine/harness/session.h"

namespace winetest {

namespace fs = std::filesystem;

namespace {

bool SameNameNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The entry of `folder` named `name`: the exact one if present, else one that differs only in
// letter case, else `name` as given.
std::string MatchEntry(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::exists(folder / name, error)) return name;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::string candidate = entry.path().filename().string();
        if (SameNameNoCase(candidate, name)) return candidate;
    }
    return name;
}

std::vector<std::string> SplitWindowsPath(const std::string& rest) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : rest) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

}  // namespace

std::string HostPath(const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0]))) {
        throw std::invalid_argument("not a Windows path with a drive letter: " + windowsPath);
    }
    char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    const fs::path prefix = CurrentSession().prefix;
    fs::path root =
        (drive == 'c') ? prefix / "drive_c" : prefix / "dosdevices" / (std::string(1, drive) + ":");
    std::error_code error;
    fs::path resolved = fs::canonical(root, error);
    fs::path path = error ? root : resolved;
    for (const std::string& part : SplitWindowsPath(windowsPath.substr(2))) {
        path /= MatchEntry(path, part);
    }
    return path.string();
}

std::string WindowsPath(const std::string& hostPath) {
    std::error_code error;
    fs::path absolute = fs::weakly_canonical(fs::absolute(hostPath), error);
    if (error) absolute = fs::absolute(hostPath);
    fs::path driveC = fs::weakly_canonical(fs::path(CurrentSession().prefix) / "drive_c", error);

    std::string drive = "Z:";
    fs::path relative = absolute.relative_path();
    auto mismatch = std::mismatch(driveC.begin(), driveC.end(), absolute.begin(), absolute.end());
    if (mismatch.first == driveC.end()) {
        drive = "C:";
        relative.clear();
        for (auto it = mismatch.second; it != absolute.end(); ++it) relative /= *it;
    }
    std::string result = drive;
    for (const auto& part : relative) {
        if (part.empty()) continue;
        result += "\\" + part.string();
    }
    if (result.size() == 2) result += "\\";
    return result;
}

}  // namespace winetest
