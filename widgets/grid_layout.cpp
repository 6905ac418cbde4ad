#include "widgets/grid_layout.h"

#include <algorithm>

namespace widgets {

namespace {

constexpr int kRowPadding = 6;
constexpr int kEditorsLeft = 15;
constexpr int kSubOptionIndent = 30;
constexpr int kPairGap = 10;
constexpr int kRightMargin = 35;
constexpr int kRightGap = 5;
constexpr int kPictureMargin = 40;
constexpr int kPictureLowered = 3;
constexpr int kIconPickerHeight = 200;
constexpr int kBannerPickerHeight = 400;
constexpr int kIconPickerRowId = 31;
constexpr int kFileListHeight = 180;

bool IsSubOption(int windowId) {
    return (windowId % 1000) / 100 > 0;
}

std::vector<Box> LeftToRight(int kind, int rowId, int editorWidth, const RowPlace& place,
                             const std::vector<EditorSlot>& editors) {
    std::vector<Box> boxes;
    int x = place.clientLeft + kEditorsLeft;
    for (size_t i = 0; i < editors.size(); ++i) {
        if (IsSubOption(editors[i].id)) x += kSubOptionIndent;
        Box box;
        if (kind == kFileListRow || kind == kFileListSecondRow) {
            box = {x - 2, place.top, place.clientRight - kRightMargin, place.top + kFileListHeight};
        } else if (kind == kPictureRow) {
            const int width = (place.clientRight - place.clientLeft) - kPictureMargin;
            const int height = rowId == kIconPickerRowId ? kIconPickerHeight : kBannerPickerHeight;
            const int top = place.top - 2 + kPictureLowered;
            box = {x, top, x + width, top + height};
        } else {
            const int width = kind == kVersionRow ? editors[i].width : editorWidth;
            box = {x, place.top - 2, x + width, place.top + place.height - 1};
        }
        boxes.push_back(box);
        x = box.right;
        if (i % 2 == 1) x += kPairGap;
    }
    return boxes;
}

std::vector<Box> RightToLeft(int editorWidth, const RowPlace& place, size_t count) {
    std::vector<Box> boxes;
    int x = place.clientRight - kRightMargin;
    for (size_t i = 0; i < count; ++i) {
        const int right = x - kRightGap;
        boxes.push_back({right - editorWidth, place.top - 7, right, place.top + place.height - 5});
        x = right - editorWidth;
    }
    return boxes;
}

}  // namespace

int RowHeight(int textHeight) {
    return textHeight + kRowPadding;
}

std::vector<bool> VisibleRows(const std::vector<RowNode>& rows) {
    std::vector<bool> visible(rows.size(), false);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int parent = rows[i].parent;
        if (parent < 0 || static_cast<size_t>(parent) >= i) {
            visible[i] = parent < 0;  // a parent must come first; a row breaking that is hidden
        } else {
            visible[i] = visible[parent] && rows[parent].expanded;
        }
    }
    return visible;
}

int ScrollMaximum(int visibleRowCount, int rowHeight, int clientHeight) {
    return std::max(0, visibleRowCount * rowHeight - clientHeight);
}

bool NextScrollNeeded(bool scrollNeeded, int rowsHeight, int clientHeight, int rowHeight) {
    const int limit = clientHeight - rowHeight;
    if (rowsHeight > limit) return true;
    if (rowsHeight < limit) return false;
    return scrollNeeded;
}

int ScrollPositionAfter(ScrollAction action, int position, int maximum, int rowHeight,
                        int thumbPosition) {
    int next = position;
    switch (action) {
        case ScrollAction::LineUp:
            next = position - 1;
            break;
        case ScrollAction::LineDown:
            next = position + 1;
            break;
        case ScrollAction::PageUp:
            next = position - rowHeight;
            break;
        case ScrollAction::PageDown:
            next = position + rowHeight;
            break;
        case ScrollAction::Top:
            next = 0;
            break;
        case ScrollAction::Bottom:
            next = maximum;
            break;
        case ScrollAction::Thumb:
            next = thumbPosition;
            break;
    }
    return std::max(0, std::min(next, std::max(0, maximum)));
}

int WheelScrollPixels(int wheelDelta, unsigned linesPerNotch, int rowHeight, int pageHeight) {
    const long long step = linesPerNotch == kWheelPageScroll
                               ? pageHeight
                               : static_cast<long long>(std::min(linesPerNotch, 1000u)) * rowHeight;
    return static_cast<int>(wheelDelta * step / 120);
}

Box RowDrawBox(const RowPlace& place) {
    return {place.clientLeft + 1, place.top + 1, place.clientRight, place.top + place.height - 1};
}

std::vector<Box> PlaceEditors(int kind, int rowId, int editorWidth, const RowPlace& place,
                              const std::vector<EditorSlot>& editors) {
    if (kind == kCaptionRightRow || kind == kCaptionRowRightRow) {
        return RightToLeft(editorWidth, place, editors.size());
    }
    return LeftToRight(kind, rowId, editorWidth, place, editors);
}

}  // namespace widgets
