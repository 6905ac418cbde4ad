#include "tests/wine/harness/host_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace winetest {

namespace fs = std::filesystem;

namespace {

// Polls `ready` every 100 ms until it holds or `timeoutMs` has passed.
template <class Ready>
bool WaitUntil(Ready ready, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

}  // namespace

std::string ReadHostFile(const std::string& hostPath) {
    std::ifstream in(hostPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteHostFile(const std::string& hostPath, const std::string& bytes) {
    std::error_code ignored;  // a folder that cannot be made shows as a file not written
    fs::create_directories(fs::path(hostPath).parent_path(), ignored);
    std::ofstream out(hostPath, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();  // what only the close writes must have arrived too
    ASSERT_FALSE(out.fail()) << "cannot write " << hostPath;
}

std::vector<std::string> FolderNames(const std::string& hostFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(hostFolder, error), end; !error && it != end;
         it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool WaitForHostFile(const std::string& hostPath, int timeoutMs) {
    return WaitUntil([&] { return fs::exists(hostPath); }, timeoutMs);
}

bool WaitForHostFileSize(const std::string& hostPath, uintmax_t size, int timeoutMs) {
    return WaitUntil(
        [&] {
            std::error_code error;
            return fs::file_size(hostPath, error) == size && !error;
        },
        timeoutMs);
}

}  // namespace winetest
