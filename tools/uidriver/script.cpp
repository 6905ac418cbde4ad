#include "tools/uidriver/script.h"

#include "base/text.h"

namespace uidriver {

namespace {

using T = TextArgument;

const std::vector<CommandSpec> kCommands = {
    {"window", "", T::Required, "window TEXT",
     "wait for a visible top-level window whose title contains TEXT; it becomes the current "
     "window (the topmost one when several match)"},
    {"msgbox", "", T::Optional, "msgbox [TEXT]",
     "wait for a message box (whose title contains TEXT); it becomes the current window; "
     "prints its message"},
    {"waitclosed", "", T::None, "waitclosed", "wait until the current window is gone"},
    {"close", "", T::None, "close", "ask the current window to close (WM_CLOSE)"},
    {"title", "", T::None, "title", "print the current window's title"},
    {"windows", "", T::None, "windows", "print every visible top-level window"},
    {"controls", "", T::None, "controls", "print every control of the current window"},
    {"overflow", "", T::Optional, "overflow [ID:HEIGHT:WEIGHT[:FACE] ...]",
     "print every text of the current window that its control cannot show whole, measured in "
     "the 8-point dialog font, or for the controls listed in the font CreateFont makes of that "
     "height, weight and face"},
    {"text", "i", T::None, "text ID", "print the control's text"},
    {"settext", "i", T::Optional, "settext ID [TEXT]", "set the control's text"},
    {"waittext", "i", T::Required, "waittext ID TEXT",
     "wait until the control's text contains TEXT"},
    {"click", "i", T::None, "click ID",
     "click the control (a button gets BM_CLICK, any other control sends its parent "
     "WM_COMMAND); fails when it is disabled or hidden"},
    {"command", "i", T::None, "command ID", "send WM_COMMAND ID to the current window"},
    {"mouse", "i", T::None, "mouse ID", "click the middle of the control with the mouse"},
    {"wheel", "is", T::None, "wheel ID NOTCHES",
     "turn the mouse wheel over the middle of the control, NOTCHES away from the user "
     "(negative: towards the user, scrolling down)"},
    {"scrollpos", "i", T::None, "scrollpos ID",
     "print a scroll bar control's position, or the index of a list view's top row (once "
     "the control shows)"},
    {"rect", "i", T::None, "rect ID",
     "print the control's rectangle in the current window's client area: left top right "
     "bottom"},
    {"focus", "i", T::None, "focus ID", "give the control the keyboard focus"},
    {"enabled", "i", T::None, "enabled ID", "print 1 when the control is enabled, else 0"},
    {"visible", "i", T::None, "visible ID", "print 1 when the control is visible, else 0"},
    {"waitenabled", "i", T::None, "waitenabled ID", "wait until the control is enabled"},
    {"waitdisabled", "i", T::None, "waitdisabled ID", "wait until the control is disabled"},
    {"checked", "i", T::None, "checked ID",
     "print a check box's state: 0 clear, 1 checked, 2 indeterminate"},
    {"count", "i", T::None, "count ID", "print the number of items of a list or combo box"},
    {"item", "in", T::None, "item ID N", "print item N of a list box, combo box or list view"},
    {"items", "i", T::None, "items ID", "print every item, one line each"},
    {"selected", "i", T::None, "selected ID", "print the selected item's index, -1 for none"},
    {"select", "in", T::None, "select ID N",
     "select item N and notify the parent as a user's choice would"},
    {"tick", "in", T::None, "tick ID N", "tick row N of a list view with tick boxes"},
    {"untick", "in", T::None, "untick ID N", "untick row N of a list view"},
    {"ticked", "in", T::None, "ticked ID N", "print 1 when row N is ticked, else 0"},
    {"clickrow", "in", T::None, "clickrow ID N",
     "click the text of row N of a list view with the mouse"},
    {"key", "", T::Required, "key KEYS",
     "press keys on the current window, e.g. \"ENTER\", \"ALT+N\", \"TAB TAB SPACE\""},
    {"type", "", T::Required, "type TEXT", "type TEXT into the focused control"},
    {"sleep", "m", T::None, "sleep MS", "wait MS milliseconds"},
    {"timeout", "m", T::None, "timeout MS",
     "how long the waiting commands after it wait (default 10000)"},
    {"folder", "", T::Required, "folder NAME",
     "print a system folder as this 32-bit program sees it (programfiles, commonprograms, "
     "programs, startup, commonstartup, desktop, documents, appdata, commonappdata, "
     "localappdata, profile, windows, system, temp)"},
};

bool ParseNumber(std::string_view word, char kind, long* value) {
    if (word.empty() || word.size() > 9) return false;
    size_t start = (word[0] == '-') ? 1 : 0;
    if (start == word.size()) return false;
    long n = 0;
    for (size_t i = start; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9') return false;
        n = n * 10 + (word[i] - '0');
    }
    if (start) n = -n;
    switch (kind) {
        case 'i':
            if (n < -1 || n > 65535) return false;
            *value = (n == -1) ? 65535 : n;
            return true;
        case 'n':
            if (n < 0) return false;
            *value = n;
            return true;
        case 'm':
            if (n < 0 || n > 600000) return false;
            *value = n;
            return true;
        case 's':
            if (n < -100 || n > 100) return false;
            *value = n;
            return true;
        default:
            return false;
    }
}

std::string_view NextWord(std::string_view& rest) {
    size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    size_t end = rest.find(' ');
    std::string_view word = rest.substr(0, end);
    rest = (end == std::string_view::npos) ? std::string_view() : rest.substr(end);
    return word;
}

const char* KindName(char kind) {
    switch (kind) {
        case 'i':
            return "a control identifier (-1 to 65535)";
        case 'n':
            return "an index (0 or more)";
        case 's':
            return "a count (-100 to 100)";
        default:
            return "milliseconds (0 to 600000)";
    }
}

}  // namespace

const std::vector<CommandSpec>& Commands() {
    return kCommands;
}

const CommandSpec* FindCommand(std::string_view name) {
    for (const CommandSpec& definition : kCommands) {
        if (name == definition.name) return &definition;
    }
    return nullptr;
}

bool ParseCommand(std::string_view line, Command* command, std::string* error) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    *command = Command();
    command->source = std::string(line);
    std::string_view rest = line;
    std::string_view name = NextWord(rest);
    command->definition = FindCommand(name);
    if (!command->definition) {
        *error = "unknown command \"" + std::string(name) + "\"";
        return false;
    }
    const CommandSpec& definition = *command->definition;
    for (const char* kind = definition.numbers; *kind; ++kind) {
        std::string_view word = NextWord(rest);
        long value = 0;
        if (!ParseNumber(word, *kind, &value)) {
            *error = std::string(definition.name) + ": expected " + KindName(*kind) +
                     (word.empty() ? "" : ", got \"" + std::string(word) + "\"") +
                     " (usage: " + definition.usage + ")";
            return false;
        }
        command->numbers.push_back(value);
    }
    // The text starts after the one blank that ends the last word and runs to the line's end.
    if (!rest.empty() && rest[0] == ' ') rest.remove_prefix(1);
    if (definition.text == TextArgument::None) {
        if (rest.find_first_not_of(' ') != std::string_view::npos) {
            *error = std::string(definition.name) +
                     ": too many arguments (usage: " + definition.usage + ")";
            return false;
        }
        return true;
    }
    if (definition.text == TextArgument::Required && rest.empty()) {
        *error = std::string(definition.name) + ": missing text (usage: " + definition.usage + ")";
        return false;
    }
    command->text = UnescapeText(rest);
    return true;
}

bool ParseScript(std::string_view script, std::vector<Command>* commands, std::string* error) {
    commands->clear();
    int lineNumber = 0;
    while (!script.empty()) {
        size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        script = (end == std::string_view::npos) ? std::string_view() : script.substr(end + 1);
        ++lineNumber;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') continue;
        Command command;
        std::string message;
        if (!ParseCommand(line.substr(first), &command, &message)) {
            *error = "line " + std::to_string(lineNumber) + ": " + message;
            return false;
        }
        commands->push_back(std::move(command));
    }
    return true;
}

std::string EscapeText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string EscapeText(std::u16string_view text) {
    return EscapeText(text::ToUtf8(text));
}

std::string UnescapeTextUtf8(std::string_view escaped) {
    std::string out;
    out.reserve(escaped.size());
    for (size_t i = 0; i < escaped.size(); ++i) {
        char c = escaped[i];
        if (c == '\\' && i + 1 < escaped.size()) {
            char next = escaped[i + 1];
            const char* replacement = nullptr;
            switch (next) {
                case '\\':
                    replacement = "\\";
                    break;
                case 'n':
                    replacement = "\n";
                    break;
                case 'r':
                    replacement = "\r";
                    break;
                case 't':
                    replacement = "\t";
                    break;
            }
            if (replacement) {
                out += replacement;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::u16string UnescapeText(std::string_view escaped) {
    return text::FromUtf8(UnescapeTextUtf8(escaped));
}

}  // namespace uidriver
