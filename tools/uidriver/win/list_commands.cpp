// The commands for list boxes, combo boxes and list views.

#include "tools/uidriver/win/command_context.h"

#include <windows.h>

#include <string>

#include "base/text.h"
#include "tools/uidriver/win/console.h"
#include "tools/uidriver/win/control_access.h"
#include "tools/uidriver/win/input.h"

namespace uidriver {

namespace {

bool DoCount(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    int count = 0;
    if (!list) return false;
    if (!ItemCount(list, &count)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(std::to_string(count));
    return true;
}

bool DoItem(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    std::u16string content;
    if (!ItemText(list, static_cast<int>(c.numbers[1]), &content)) {
        *error =
            Describe(state, c.numbers[0]) + " did not give item " + std::to_string(c.numbers[1]);
        return false;
    }
    PrintText(content);
    return true;
}

bool DoItems(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    int count = 0;
    if (!list) return false;
    if (!ItemCount(list, &count)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    for (int i = 0; i < count; ++i) {
        std::u16string content;
        if (!ItemText(list, i, &content)) {
            *error = Describe(state, c.numbers[0]) + " did not give item " + std::to_string(i);
            return false;
        }
        PrintText(content);
    }
    return true;
}

bool DoSelected(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    int index = -1;
    if (!list) return false;
    if (!SelectedItem(list, &index)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(std::to_string(index));
    return true;
}

bool DoSelect(State& state, const Command& c, std::string* error) {
    HWND list = ListControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    if (!SelectItem(list, static_cast<int>(c.numbers[1]))) {
        *error = Describe(state, c.numbers[0]) + " refused to select item " +
                 std::to_string(c.numbers[1]);
        return false;
    }
    return true;
}

bool SetTick(State& state, const Command& c, bool ticked, std::string* error) {
    HWND list = ListViewControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    if (!SetRowTicked(list, static_cast<int>(c.numbers[1]), ticked)) {
        *error = Describe(state, c.numbers[0]) + " refused to change row " +
                 std::to_string(c.numbers[1]);
        return false;
    }
    return true;
}

bool DoTick(State& state, const Command& c, std::string* error) {
    return SetTick(state, c, true, error);
}

bool DoUntick(State& state, const Command& c, std::string* error) {
    return SetTick(state, c, false, error);
}

bool DoTicked(State& state, const Command& c, std::string* error) {
    HWND list = ListViewControl(state, c.numbers[0], error);
    if (!list || !RowExists(state, list, c.numbers[0], c.numbers[1], error)) return false;
    bool ticked = false;
    if (!IsRowTicked(list, static_cast<int>(c.numbers[1]), &ticked)) {
        *error = Describe(state, c.numbers[0]) + " did not answer";
        return false;
    }
    PrintLine(ticked ? "1" : "0");
    return true;
}

bool DoClickRow(State& state, const Command& c, std::string* error) {
    const long id = c.numbers[0];
    HWND list = ListViewControl(state, id, error);
    if (!list || !Usable(state, list, id, error) ||
        !RowExists(state, list, id, c.numbers[1], error) || !Front(state, error)) {
        return false;
    }
    RECT label;
    if (!RowLabelRect(list, static_cast<int>(c.numbers[1]), &label)) {
        *error =
            Describe(state, id) + " did not give the place of row " + std::to_string(c.numbers[1]);
        return false;
    }
    RECT client;
    GetClientRect(list, &client);
    POINT middle = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    if (!PtInRect(&client, middle)) {
        *error = "row " + std::to_string(c.numbers[1]) + " of " + Describe(state, id) +
                 " is scrolled out of sight";
        return false;
    }
    if (!MouseClick(list, middle)) {
        *error = "the system did not take the mouse click";
        return false;
    }
    WaitUntilIdle(list);
    return true;
}

}  // namespace

const std::vector<NamedHandler>& ListCommands() {
    static const std::vector<NamedHandler> handlers = {
        {"count", DoCount},       {"item", DoItem},     {"items", DoItems},
        {"selected", DoSelected}, {"select", DoSelect}, {"tick", DoTick},
        {"untick", DoUntick},     {"ticked", DoTicked}, {"clickrow", DoClickRow},
    };
    return handlers;
}

}  // namespace uidriver
