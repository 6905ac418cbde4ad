#include "base/command_line.h"

#include "base/text.h"

namespace cmdline {

const char16_t* CommandTail(const char16_t* commandLine) {
    if (!commandLine) return u"";
    const char16_t* p = commandLine;
    // The name ends at the first blank or control character outside quotes, as the C runtime
    // of Windows programs splits it.
    bool quoted = false;
    while (*p > u' ' || (*p && quoted)) {
        if (*p == u'"') quoted = !quoted;
        ++p;
    }
    while (*p && *p <= u' ') ++p;
    return p;
}

std::vector<std::u16string> SplitCommandLine(std::u16string_view line) {
    std::vector<std::u16string> words;
    std::u16string word;
    bool inWord = false;
    bool quoted = false;
    size_t i = 0;
    while (i < line.size()) {
        const char16_t c = line[i];
        if (!quoted && (c == u' ' || c == u'\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            ++i;
            continue;
        }
        inWord = true;
        if (c == u'\\') {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == u'\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == u'"') {
                word.append(backslashes / 2, u'\\');
                if (backslashes % 2 == 1) {
                    word += u'"';
                    ++i;
                }
            } else {
                word.append(backslashes, u'\\');
            }
            continue;
        }
        if (c == u'"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                word += u'"';
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        word += c;
        ++i;
    }
    if (inWord) words.push_back(word);
    return words;
}

bool ParseSwitches(const std::vector<std::u16string>& words, const std::vector<SwitchSpec>& specs,
                   std::vector<GivenSwitch>* given, std::u16string* error) {
    given->clear();
    for (const std::u16string& word : words) {
        const size_t equals = word.find(u'=');
        const std::u16string_view name = std::u16string_view(word).substr(0, equals);
        const SwitchSpec* known = nullptr;
        for (const SwitchSpec& candidate : specs) {
            if (text::EqualsNoCase(name, candidate.name)) known = &candidate;
        }
        if (known == nullptr) {
            *error = text::Format(u"unknown switch %s", {word});
            return false;
        }
        if (known->takesValue && (equals == std::u16string::npos || equals + 1 == word.size())) {
            *error = text::Format(u"%s needs a value: %s=...", {known->name, known->name});
            return false;
        }
        if (!known->takesValue && equals != std::u16string::npos) {
            *error = text::Format(u"%s takes no value", {known->name});
            return false;
        }
        given->push_back({known->name, known->takesValue ? word.substr(equals + 1) : u""});
    }
    return true;
}

bool HasWord(const std::vector<std::u16string>& words, std::u16string_view name) {
    for (const std::u16string& word : words) {
        if (text::EqualsNoCase(word, name)) return true;
    }
    return false;
}

}  // namespace cmdline
