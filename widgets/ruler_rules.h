#pragma once
// The rich text editor's ruler: tab stops in twips (1440 per inch) shown at screen pixels,
// which mark the mouse grabs, how far a dragged stop may go, and where indent and outdent
// move a paragraph.

#include <vector>

namespace widgets {

constexpr int kTwipsPerInch = 1440;
constexpr int kMaxTabStops = 32;
// The edit area's default tab stops: every 640 twips, 32 of them.
constexpr int kDefaultTabInterval = 640;
std::vector<int> DefaultTabStops();

int TwipsToPixels(int twips, int pixelsPerInch);
// Rounded to the nearest twip.
int PixelsToTwips(int pixels, int pixelsPerInch);

// The index of the stop whose mark (at `stopPixels[i]`) the mouse at `x` grabs: from 2 pixels
// left to 3 pixels right of the mark; -1 when none.
int GrabbedTabStop(const std::vector<int>& stopPixels, int x);

// Where a stop being dragged to `x` stays: strictly between its neighbours' marks (the left
// edge 0 counts as the first stop's left neighbour; the last stop has no right neighbour).
int DraggedTabStop(const std::vector<int>& stopPixels, int index, int x);

// The paragraph indent after Indent: the first tab stop right of `indent`, or `indent` when
// there is none. After Outdent: the last stop left of it, or 0.
int IndentToNextStop(const std::vector<int>& stops, int indent);
int OutdentToPreviousStop(const std::vector<int>& stops, int indent);

}  // namespace widgets
