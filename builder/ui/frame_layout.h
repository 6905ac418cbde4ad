#pragma once
// Where the builder's windows go: the main window's size, the status bar panes, the splitter,
// the section navigator's buttons and separators, the section view's header and pages, and
// the Build page's controls. Rectangles are in client pixels of the window they lie in.

#include <array>

#include "widgets/grid_layout.h"

namespace ui {

using widgets::Box;

// The main window opens at (50, 50), 1024 x 800, and cannot be made smaller than 800 x 600.
constexpr Box kMainWindowRect = {50, 50, 50 + 1024, 50 + 800};
constexpr int kMinWindowWidth = 800;
constexpr int kMinWindowHeight = 600;
// The window's first place on a screen whose work area is `workArea`: kMainWindowRect when it
// fits; otherwise shrunk to the work area (never below the minimum size) and moved into it.
Box FitMainWindow(const Box& workArea);

// The five status bar panes: 35 pixels, three of (client width - 650) / 3 each, then 230.
constexpr int kStatusPaneCount = 5;
std::array<int, kStatusPaneCount> StatusPaneWidths(int clientWidth);
// The panes' right edges, as the status bar takes them.
std::array<int, kStatusPaneCount> StatusPaneRightEdges(int clientWidth);

// The splitter's left pane (the navigator) starts this wide; the bar between the panes is
// kSplitterBarWidth pixels, and neither pane is dragged narrower than kMinPaneWidth.
constexpr int kInitialNavigatorWidth = 220;
constexpr int kSplitterBarWidth = 6;
constexpr int kMinPaneWidth = 120;
// The navigator's width after the bar is dragged to `requested` in a splitter `totalWidth`
// wide.
int ClampNavigatorWidth(int requested, int totalWidth);

// The navigator: eight section buttons and the update button below them, 37 pixels high on a
// 40-pixel pitch from y = 22, spanning from 14 pixels to the pane's width less 14.
constexpr int kNavigatorButtonCount = 9;
constexpr int kUpdateButtonIndex = 8;
Box NavigatorButtonRect(int index, int paneWidth);
// The line under section button `index` (0 to 7): at y = 60 + 40 * index, from x = 12 to the
// pane's width less 12. `bottom` equals `top`.
Box NavigatorSeparator(int index, int paneWidth);

// The section view: the header band across the top, 65 pixels high, and every page from 66
// pixels down.
constexpr int kHeaderHeight = 65;
constexpr int kPageTop = 66;
Box HeaderRect(int clientWidth);
Box PageRect(int clientWidth, int clientHeight);

// The Build page's controls, in the order the page creates them.
enum BuildPageControl : int {
    kTargetLabel,
    kTargetEdit,
    kSelectTargetButton,
    kBuildButton,
    kTestButton,
    kLogLabel,
    kBuildLog,
    kBuildPageControlCount,
};
std::array<Box, kBuildPageControlCount> BuildPageLayout(int clientWidth, int clientHeight);

}  // namespace ui
