#pragma once
// Files on the host side of a test: what it lays out for a program under Wine and what it reads
// back afterwards. Paths are host paths (winetest::HostPath turns a Windows path into one).

#include <cstdint>
#include <string>
#include <vector>

namespace winetest {

// The file's bytes; empty when it cannot be read.
std::string ReadHostFile(const std::string& hostPath);
// Writes `bytes` over the file, making its folders first; a file that cannot be written fails
// the running test.
void WriteHostFile(const std::string& hostPath, const std::string& bytes);
// The names of what a folder holds, in name order; none when it cannot be read.
std::vector<std::string> FolderNames(const std::string& hostFolder);

// Waits up to `timeoutMs` for a file that a program is about to leave to exist, or with a size
// to have exactly that many bytes (it may be written as we look). False when it does not.
bool WaitForHostFile(const std::string& hostPath, int timeoutMs = 10000);
bool WaitForHostFileSize(const std::string& hostPath, uintmax_t size, int timeoutMs = 10000);

}  // namespace winetest
