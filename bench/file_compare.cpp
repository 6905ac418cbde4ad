#include "file_compare.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace bench {

bool SameFile(const std::string& a, const std::string& b) {
    FILE* first = std::fopen(a.c_str(), "rb");
    FILE* second = std::fopen(b.c_str(), "rb");
    bool same = first != nullptr && second != nullptr;
    std::vector<char> x(1 << 20), y(1 << 20);
    while (same) {
        const size_t n = std::fread(x.data(), 1, x.size(), first);
        const size_t m = std::fread(y.data(), 1, y.size(), second);
        same = n == m && std::memcmp(x.data(), y.data(), n) == 0;
        if (n == 0) break;
    }
    if (first != nullptr) std::fclose(first);
    if (second != nullptr) std::fclose(second);
    return same;
}

}  // namespace bench
