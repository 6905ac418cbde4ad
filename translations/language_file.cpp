#include "translations/language_file.h"

#include "base/text.h"
#include "translations/message_table.h"

namespace translations {

namespace {

int FindMessage(std::string_view name) {
    for (int i = 0; i < kMessageCount; ++i) {
        if (name == kMessages[i].name) return i;
    }
    return -1;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// The text with its escapes replaced; false on an unknown escape.
bool Unescape(std::string_view escaped, std::string* text) {
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            *text += escaped[i];
            continue;
        }
        const char next = i + 1 < escaped.size() ? escaped[++i] : '\0';
        if (next == 'n') {
            *text += '\n';
        } else if (next == 't') {
            *text += '\t';
        } else if (next == '\\') {
            *text += '\\';
        } else {
            return false;
        }
    }
    return true;
}

int CountUnit(std::u16string_view text, char16_t unit) {
    int count = 0;
    for (char16_t c : text) count += c == unit;
    return count;
}

}  // namespace

std::string Placeholders(std::u16string_view text) {
    std::string found;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'%') continue;
        found += static_cast<char>(text[i + 1]);
        ++i;
    }
    return found;
}

bool ReadLanguageFile(std::string_view utf8, std::vector<std::u16string>* texts,
                      std::vector<std::string>* problems) {
    texts->assign(kMessageCount, std::u16string());
    std::vector<bool> given(kMessageCount, false);
    const size_t problemsBefore = problems->size();
    int lineNumber = 0;
    while (!utf8.empty()) {
        const size_t end = utf8.find('\n');
        const std::string_view line = TrimSpaces(utf8.substr(0, end));
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        ++lineNumber;
        const std::string at = "line " + std::to_string(lineNumber) + ": ";
        if (line.empty() || line.front() == '#') continue;

        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            problems->push_back(at + "no \"Identifier = text\"");
            continue;
        }
        const std::string name(TrimSpaces(line.substr(0, equals)));
        const int id = FindMessage(name);
        if (id < 0) {
            problems->push_back(at + "unknown identifier " + name);
            continue;
        }
        if (given[id]) {
            problems->push_back(at + name + " is given twice");
            continue;
        }
        given[id] = true;
        std::string value;
        if (!Unescape(TrimSpaces(line.substr(equals + 1)), &value)) {
            problems->push_back(at + name + " has an unknown escape");
            continue;
        }
        const std::u16string text = text::FromUtf8(value);
        const std::u16string_view english = kMessages[id].english;
        if (text.empty()) {
            problems->push_back(at + name + " is empty");
        } else if (text.find(u'\uFFFD') != std::u16string::npos) {
            problems->push_back(at + name + " is not UTF-8");
        } else if (Placeholders(text) != Placeholders(english)) {
            problems->push_back(at + name + " has the placeholders \"" + Placeholders(text) +
                                "\" where English has \"" + Placeholders(english) + "\"");
        } else if (CountUnit(text, u'&') != CountUnit(english, u'&')) {
            problems->push_back(at + name + " has " + std::to_string(CountUnit(text, u'&')) +
                                " '&' where English has " +
                                std::to_string(CountUnit(english, u'&')));
        }
        (*texts)[id] = text;
    }
    for (int i = 0; i < kMessageCount; ++i) {
        if (!given[i]) problems->push_back(std::string(kMessages[i].name) + " is missing");
    }
    return problems->size() == problemsBefore;
}

}  // namespace translations
