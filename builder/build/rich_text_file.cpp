#include "builder/build/rich_text_file.h"

#include "base/text.h"
#include "builder/build/temp_files.h"

namespace build {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendUnicodeEscape(std::string* bytes, char16_t unit) {
    const int value = unit < 0x8000 ? unit : static_cast<int>(unit) - 0x10000;
    *bytes += "{\\uc1\\u";
    *bytes += std::to_string(value);
    *bytes += "?}";
}

}  // namespace

std::string RtfFileBytes(std::u16string_view rtf) {
    std::string bytes;
    bytes.reserve(rtf.size());
    for (const char16_t unit : rtf) {
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else {
            AppendUnicodeEscape(&bytes, unit);
        }
    }
    return bytes;
}

std::u16string RtfTextFromFileBytes(std::string_view bytes) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        return text::FromUtf8(RtfFileBytes(text::FromUtf8(bytes.substr(kUtf8Mark.size()))));
    }
    std::u16string rtf;
    rtf.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            rtf += static_cast<char16_t>(byte);
        } else {
            rtf += u"\\'";
            rtf += static_cast<char16_t>(kHexDigits[byte >> 4]);
            rtf += static_cast<char16_t>(kHexDigits[byte & 0xF]);
        }
    }
    return rtf;
}

bool IsRtfDocument(std::u16string_view text) {
    return text::StartsWith(text, u"{\\rtf");
}

std::u16string WriteRichTextFiles(const project::ProjectModel& model, const os::Path& folder) {
    const struct {
        std::u16string_view name;
        const std::u16string& text;
    } files[] = {
        {kLicenseFileName, model.licenseRtf},
        {kReadmeFileName, model.readmeRtf},
        {kWhatsNewFileName, model.whatsNewRtf},
    };
    for (const auto& file : files) {
        const std::string bytes = RtfFileBytes(file.text);
        std::u16string error =
            WriteTemporaryFile(PathInFolder(folder, file.name), bytes.data(), bytes.size());
        if (!error.empty()) return error;
    }
    return {};
}

}  // namespace build
