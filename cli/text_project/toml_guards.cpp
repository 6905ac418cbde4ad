#include "cli/text_project/toml_guards.h"

#include "base/text.h"

namespace cli::text_project {

std::u16string CheckNesting(std::string_view bytes, const std::u16string& name) {
    enum class State { Normal, Comment, Basic, Literal, MultiLineBasic, MultiLineLiteral };
    State state = State::Normal;
    int depth = 0;
    size_t line = 1;
    size_t lineStart = 0;
    auto run = [&bytes](size_t i, char quote) {
        size_t n = 0;
        while (i + n < bytes.size() && bytes[i + n] == quote) ++n;
        return n;
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            ++line;
            lineStart = i + 1;
            // A one-line string or a comment ends with its line.
            if (state != State::MultiLineBasic && state != State::MultiLineLiteral) {
                state = State::Normal;
            }
            continue;
        }
        switch (state) {
            case State::Normal:
                if (c == '#') {
                    state = State::Comment;
                } else if (c == '"' || c == '\'') {
                    const bool multiLine = run(i, c) >= 3;
                    if (multiLine) i += 2;
                    state = c == '"' ? (multiLine ? State::MultiLineBasic : State::Basic)
                                     : (multiLine ? State::MultiLineLiteral : State::Literal);
                } else if (c == '[' || c == '{') {
                    if (++depth > kMaxNesting) {
                        return text::Format(
                            u"%s:%d:%d: arrays and tables are nested more than %d deep",
                            {name, text::FromInt(line), text::FromInt(i - lineStart + 1),
                             text::FromInt(kMaxNesting)});
                    }
                } else if ((c == ']' || c == '}') && depth > 0) {
                    --depth;
                }
                break;
            case State::Comment:
                break;
            case State::Basic:
            case State::MultiLineBasic:
                // An escape's next character is never the string's end; a line break after
                // a backslash is still counted above.
                if (c == '\\' && i + 1 < bytes.size() && bytes[i + 1] != '\n') {
                    ++i;
                } else if (c == '"') {
                    const size_t quotes = state == State::Basic ? 1 : run(i, '"');
                    if (quotes >= 3 || state == State::Basic) state = State::Normal;
                    i += quotes - 1;
                }
                break;
            case State::Literal:
            case State::MultiLineLiteral: {
                if (c != '\'') break;
                const size_t quotes = state == State::Literal ? 1 : run(i, '\'');
                if (quotes >= 3 || state == State::Literal) state = State::Normal;
                i += quotes - 1;
                break;
            }
        }
    }
    return {};
}

std::u16string CheckUtf8(std::string_view bytes, const std::u16string& name) {
    size_t line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t length = 1;
        unsigned char low = 0x80;   // the range of the second byte, which rules out overlong
        unsigned char high = 0xBF;  // forms, surrogates and code points above U+10FFFF
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else if (lead >= 0x80) {
            length = 0;
        }
        bool valid = length > 0 && i + length <= bytes.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = k == 1 ? next >= low && next <= high : next >= 0x80 && next <= 0xBF;
        }
        if (!valid) {
            return text::Format(u"%s:%d:%d: this is no UTF-8 text, which a TOML file must be",
                                {name, text::FromInt(line), text::FromInt(i - lineStart + 1)});
        }
        if (lead == '\n') {
            ++line;
            lineStart = i + 1;
        }
        i += length;
    }
    return {};
}

}  // namespace cli::text_project
