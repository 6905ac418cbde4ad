#pragma once
// The property grid's layout rules, apart from any window: which rows show, how tall they are,
// when the scroll bar is needed and how far it scrolls, and where each row's editors go. The
// Win32 grid (builder/ui/win/object_inspector.h) measures, asks these functions and moves its
// windows.

#include <vector>

namespace widgets {

// What a row shows. Group headers, captions and separators are drawn by the grid; the other
// kinds own editor windows.
enum RowKind : int {
    kGroupHeader = 0,
    kCaptionRow = 1,
    kEditRow = 2,
    kVersionRow = 3,   // four numeric edits, each with its spin buttons
    kPictureRow = 4,   // an icon or banner picker
    kCheckBoxRow = 5,  // tri-state check boxes
    kSeparatorRow = 6,
    kFileListRow = 7,          // a file category list
    kFileListSecondRow = 8,    // the same without tab stop (Other Files)
    kCaptionRightRow = 9,      // caption in the row rectangle, editors right-aligned
    kCaptionRowRightRow = 10,  // caption as a caption row, editors right-aligned
};

// A row's editors have the window identifiers 7000 + row identifier (and up).
constexpr int kEditorIdBase = 7000;
// The list of file category c has the identifier 7024 + 2c: row identifier 12 + 2c, offset 12.
constexpr int kFileListIdOffset = 12;

// The row height for a font whose "pP" is `textHeight` pixels tall.
int RowHeight(int textHeight);

// One row as visibility sees it, in depth-first order: `parent` is the index of an earlier
// row, or -1 for a top-level row.
struct RowNode {
    int parent = -1;
    bool expanded = true;
};
// Whether each row shows: a top-level row always, a child when its parent is expanded and
// itself shows.
std::vector<bool> VisibleRows(const std::vector<RowNode>& rows);

// How far the rows scroll, in pixels: their height less the client height, never below 0.
int ScrollMaximum(int visibleRowCount, int rowHeight, int clientHeight);

// The scroll-needed flag after a paint: set once the rows are taller than the client height
// less one row, cleared once they are shorter than that; at exactly that height it is kept.
bool NextScrollNeeded(bool scrollNeeded, int rowsHeight, int clientHeight, int rowHeight);

enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };
// The scroll position after an action: lines move one pixel, pages one row, within 0 to
// `maximum`; Thumb takes `thumbPosition` (clamped too).
int ScrollPositionAfter(ScrollAction action, int position, int maximum, int rowHeight,
                        int thumbPosition = 0);
// The system's wheel setting that asks for a page per notch instead of lines.
constexpr unsigned kWheelPageScroll = 0xFFFFFFFFu;
// Pixels to scroll for a wheel message's delta, positive towards the top: `linesPerNotch`
// rows per 120 units (the system's setting, 3 unless changed), or `pageHeight` per 120 units
// for kWheelPageScroll; a finer wheel's smaller deltas scroll in proportion.
int WheelScrollPixels(int wheelDelta, unsigned linesPerNotch, int rowHeight, int pageHeight);

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Box& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// One editor of a row as placement sees it: its window identifier and its current width.
struct EditorSlot {
    int id = 0;
    int width = 0;
};

// Where a visible row is drawn and its editors placed.
struct RowPlace {
    int clientLeft = 0;
    int clientRight = 0;  // already narrowed by a showing scroll bar
    int top = 0;          // the row's top (scrolled)
    int height = 0;       // the row height
};

// The rectangle a row is drawn in.
Box RowDrawBox(const RowPlace& place);

// The rectangles of a row's editors, in order, by the row's kind. `editorWidth` is the row's
// editor width (kinds 2, 5, 7, 8, 9 and 10); version editors keep their own widths, picture
// editors span the client width less 40. A sub-option (an identifier whose hundreds digit is
// not 0, such as 7211) is indented 30 pixels, and every second editor is followed by a
// 10-pixel gap.
std::vector<Box> PlaceEditors(int kind, int rowId, int editorWidth, const RowPlace& place,
                              const std::vector<EditorSlot>& editors);

}  // namespace widgets
