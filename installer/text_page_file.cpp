#include "installer/text_page_file.h"

#include <cstdint>

namespace installer {

namespace {

// Windows-1252 for the bytes 0x80 to 0x9F; every other byte is the code point of its value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t DecodeCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
    return byte;
}

}  // namespace

std::u16string JoinTextLines(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() + 2);
    bool lineOpen = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        if (byte == '\n') {
            text += u"\r\n";
            lineOpen = false;
            continue;
        }
        text.push_back(DecodeCp1252(byte));
        lineOpen = true;
    }
    if (lineOpen) text += u"\r\n";
    return text;
}

bool ReadTextPageFile(const os::Path& path, std::u16string* text) {
    text->clear();
    os::File file;
    if (!file.OpenRead(path)) return false;
    std::string bytes;
    char buffer[4096];
    for (;;) {
        uint32_t done = 0;
        if (!file.Read(buffer, sizeof buffer, &done)) return false;
        if (done == 0) break;
        bytes.append(buffer, done);
    }
    *text = JoinTextLines(bytes);
    return true;
}

}  // namespace installer
