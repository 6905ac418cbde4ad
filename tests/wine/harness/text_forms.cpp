#include "tests/wine/harness/text_forms.h"

#include "base/text.h"

namespace winetest {

std::vector<std::string> SplitLines(const std::string& output) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : output) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string Utf16LeBytes(const std::string& utf8) {
    std::string bytes;
    for (char16_t unit : text::FromUtf8(utf8)) {
        bytes += static_cast<char>(unit & 0xFFu);
        bytes += static_cast<char>(unit >> 8u);
    }
    return bytes;
}

std::string Utf16LeHex(const std::string& utf8) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : Utf16LeBytes(utf8)) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

}  // namespace winetest
