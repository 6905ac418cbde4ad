#include "cli/text_project/plain_text_rtf.h"

#include "base/text.h"

namespace cli::text_project {

namespace {

constexpr std::u16string_view kHeader =
    u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}\r\n\\f0\\fs18 ";
constexpr std::u16string_view kParagraphEnd = u"\\par\r\n";

std::u16string_view WithoutTrailingLineEnds(std::u16string_view text) {
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::u16string PlainTextToRtf(std::u16string_view text) {
    text = WithoutTrailingLineEnds(text);
    if (text.empty()) return {};
    std::u16string rtf(kHeader);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        switch (c) {
            case u'\r':
                if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
                rtf += kParagraphEnd;
                continue;
            case u'\n':
                rtf += kParagraphEnd;
                continue;
            case u'\t':
                rtf += u"\\tab ";
                continue;
            case u'\\':
            case u'{':
            case u'}':
                rtf += u'\\';
                rtf += c;
                continue;
            default:
                break;
        }
        if (c < 0x20 || c == 0x7F) continue;
        if (c < 0x80) {
            rtf += c;
            continue;
        }
        // RTF's \u takes a signed 16-bit number; "?" is what readers without Unicode show.
        const int value = c < 0x8000 ? c : static_cast<int>(c) - 0x10000;
        rtf += u"\\u" + text::FromInt(value) + u"?";
    }
    rtf += kParagraphEnd;
    return rtf + u"}\r\n";
}

}  // namespace cli::text_project
