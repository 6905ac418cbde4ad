#include "cli/text_project/toml_strings.h"

#include <cstdio>

#include "base/text.h"

namespace cli::text_project {

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool HasLoneSurrogate(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return true;
        }
    }
    return false;
}

// A control character other than tab, or DEL: TOML strings must escape these.
bool NeedsEscape(char16_t c) {
    return (c < 0x20 && c != u'\t') || c == 0x7F;
}

bool CanBeLiteral(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c == u'\'' || NeedsEscape(c)) return false;
    }
    return true;
}

std::string BasicString(std::u16string_view text) {
    std::string out = "\"";
    // Runs of characters that need no escape are converted as a whole, so that a surrogate
    // pair becomes one UTF-8 character.
    size_t run = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const char16_t c = end ? u'\0' : text[i];
        if (!end && c != u'"' && c != u'\\' && !NeedsEscape(c)) continue;
        out += text::ToUtf8(text.substr(run, i - run));
        run = i + 1;
        if (end) break;
        switch (c) {
            case u'"':
                out += "\\\"";
                break;
            case u'\\':
                out += "\\\\";
                break;
            case u'\b':
                out += "\\b";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\f':
                out += "\\f";
                break;
            case u'\r':
                out += "\\r";
                break;
            default: {
                char escape[8];
                std::snprintf(escape, sizeof(escape), "\\u%04X", static_cast<unsigned>(c));
                out += escape;
            }
        }
    }
    return out + "\"";
}

}  // namespace

bool TomlString(std::u16string_view text, std::string* out) {
    if (HasLoneSurrogate(text)) return false;
    if (text.find(u'\\') != std::u16string_view::npos && CanBeLiteral(text)) {
        *out = "'" + text::ToUtf8(text) + "'";
        return true;
    }
    *out = BasicString(text);
    return true;
}

}  // namespace cli::text_project
