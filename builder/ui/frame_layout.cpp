#include "builder/ui/frame_layout.h"

#include <algorithm>

#include "widgets/split_layout.h"

namespace ui {

namespace {

Box At(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

}  // namespace

Box FitMainWindow(const Box& workArea) {
    const int areaWidth = workArea.right - workArea.left;
    const int areaHeight = workArea.bottom - workArea.top;
    const int wantedWidth = kMainWindowRect.right - kMainWindowRect.left;
    const int wantedHeight = kMainWindowRect.bottom - kMainWindowRect.top;
    const int width = std::max(kMinWindowWidth, std::min(wantedWidth, areaWidth));
    const int height = std::max(kMinWindowHeight, std::min(wantedHeight, areaHeight));
    // Keep the usual place where the window fits there; else slide it back into the area.
    const int left =
        std::max(workArea.left, std::min(kMainWindowRect.left, workArea.right - width));
    const int top = std::max(workArea.top, std::min(kMainWindowRect.top, workArea.bottom - height));
    return {left, top, left + width, top + height};
}

std::array<int, kStatusPaneCount> StatusPaneWidths(int clientWidth) {
    // A window narrower than the fixed panes leaves the middle three empty, never negative.
    const int middle = std::max(0, (clientWidth - 650) / 3);
    return {35, middle, middle, middle, 230};
}

std::array<int, kStatusPaneCount> StatusPaneRightEdges(int clientWidth) {
    std::array<int, kStatusPaneCount> edges = StatusPaneWidths(clientWidth);
    for (int i = 1; i < kStatusPaneCount; ++i) edges[i] += edges[i - 1];
    return edges;
}

int ClampNavigatorWidth(int requested, int totalWidth) {
    return widgets::ClampSplitLeft(requested, totalWidth, kSplitterBarWidth, kMinPaneWidth);
}

Box NavigatorButtonRect(int index, int paneWidth) {
    return {14, 22 + 40 * index, paneWidth - 14, 59 + 40 * index};
}

Box NavigatorSeparator(int index, int paneWidth) {
    const int y = 60 + 40 * index;
    return {12, y, paneWidth - 12, y};
}

Box HeaderRect(int clientWidth) {
    return {0, 0, clientWidth, kHeaderHeight};
}

Box PageRect(int clientWidth, int clientHeight) {
    return {0, kPageTop, clientWidth, std::max(kPageTop, clientHeight)};
}

std::array<Box, kBuildPageControlCount> BuildPageLayout(int clientWidth, int clientHeight) {
    // A page squeezed below its margins gets empty boxes rather than negative ones.
    const int wide = std::max(0, clientWidth - 45);
    std::array<Box, kBuildPageControlCount> boxes;
    boxes[kTargetLabel] = At(20, 10, 100, 16);
    boxes[kTargetEdit] = At(20, 28, wide, 20);
    // The three buttons sit at x = 20 + 140 * i.
    boxes[kSelectTargetButton] = At(20, 53, 135, 24);
    boxes[kBuildButton] = At(160, 53, 135, 24);
    boxes[kTestButton] = At(300, 53, 135, 24);
    boxes[kLogLabel] = At(20, 85, 100, 16);  // as wide as the other label, so "Build Log" fits
    boxes[kBuildLog] = At(20, 105, wide, std::max(0, clientHeight - 130));
    return boxes;
}

}  // namespace ui
