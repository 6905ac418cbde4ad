// Where the main window, the navigator, the section view and the Build page put things.
#include <gtest/gtest.h>

#include "builder/ui/frame_layout.h"

namespace {

using namespace ui;

TEST(MainWindow, OpensAtItsPlaceWhereTheScreenHoldsIt) {
    EXPECT_EQ(FitMainWindow({0, 0, 1920, 1040}), (Box{50, 50, 1074, 850}));
    EXPECT_EQ(FitMainWindow({0, 0, 1074, 850}), (Box{50, 50, 1074, 850}));
}

TEST(MainWindow, ShrinksAndMovesIntoASmallScreen) {
    // 1024 x 768: as wide as the screen, and as tall as it.
    EXPECT_EQ(FitMainWindow({0, 0, 1024, 768}), (Box{0, 0, 1024, 768}));
    // Only the height is short: the window keeps its left edge.
    EXPECT_EQ(FitMainWindow({0, 0, 1280, 720}), (Box{50, 0, 1074, 720}));
    // Never below the minimum size, even on a smaller screen.
    EXPECT_EQ(FitMainWindow({0, 0, 640, 480}), (Box{0, 0, 800, 600}));
    // A second monitor's work area keeps its own origin.
    EXPECT_EQ(FitMainWindow({1920, 0, 2944, 768}), (Box{1920, 0, 2944, 768}));
}

TEST(StatusBar, MiddlePanesShareWhatTheFixedOnesLeave) {
    EXPECT_EQ(StatusPaneWidths(1008), (std::array<int, 5>{35, 119, 119, 119, 230}));
    // Integer division: the remainder is given to nobody.
    EXPECT_EQ(StatusPaneWidths(1000), (std::array<int, 5>{35, 116, 116, 116, 230}));
    EXPECT_EQ(StatusPaneRightEdges(1008), (std::array<int, 5>{35, 154, 273, 392, 622}));
}

TEST(StatusBar, NarrowWindowEmptiesTheMiddlePanes) {
    EXPECT_EQ(StatusPaneWidths(650), (std::array<int, 5>{35, 0, 0, 0, 230}));
    EXPECT_EQ(StatusPaneWidths(100), (std::array<int, 5>{35, 0, 0, 0, 230}));
    EXPECT_EQ(StatusPaneRightEdges(100), (std::array<int, 5>{35, 35, 35, 35, 265}));
}

TEST(Navigator, ButtonsAre37HighOnA40Pitch) {
    EXPECT_EQ(NavigatorButtonRect(0, 220), (Box{14, 22, 206, 59}));
    EXPECT_EQ(NavigatorButtonRect(1, 220), (Box{14, 62, 206, 99}));
    EXPECT_EQ(NavigatorButtonRect(7, 220), (Box{14, 302, 206, 339}));
    // The update button comes ninth, under the last separator.
    EXPECT_EQ(NavigatorButtonRect(kUpdateButtonIndex, 220), (Box{14, 342, 206, 379}));
    // A narrow pane keeps the pitch.
    EXPECT_EQ(NavigatorButtonRect(3, 60), (Box{14, 142, 46, 179}));
}

TEST(Navigator, SeparatorsLieBetweenTheButtons) {
    for (int k = 0; k < 8; ++k) {
        const Box line = NavigatorSeparator(k, 220);
        EXPECT_EQ(line, (Box{12, 60 + 40 * k, 208, 60 + 40 * k}));
        EXPECT_GT(line.top, NavigatorButtonRect(k, 220).bottom);
        EXPECT_LT(line.top, NavigatorButtonRect(k + 1, 220).top);
    }
}

TEST(Splitter, NavigatorWidthStaysWithinThePanes) {
    EXPECT_EQ(ClampNavigatorWidth(220, 1000), 220);
    EXPECT_EQ(ClampNavigatorWidth(10, 1000), kMinPaneWidth);
    EXPECT_EQ(ClampNavigatorWidth(990, 1000), 1000 - kSplitterBarWidth - kMinPaneWidth);
    // Too narrow for two minimum panes: the navigator takes at most half.
    EXPECT_EQ(ClampNavigatorWidth(220, 200), 100);
    EXPECT_EQ(ClampNavigatorWidth(-5, 200), 0);
}

TEST(SectionView, HeaderKeeps65PixelsAndPagesStartBelowIt) {
    EXPECT_EQ(HeaderRect(800), (Box{0, 0, 800, 65}));
    EXPECT_EQ(PageRect(800, 600), (Box{0, 66, 800, 600}));
    EXPECT_EQ(HeaderRect(10), (Box{0, 0, 10, 65}));
    // A view shorter than the header gets an empty page, not an inverted one.
    EXPECT_EQ(PageRect(10, 40), (Box{0, 66, 10, 66}));
}

TEST(BuildPage, ControlsFollowTheClientSize) {
    const auto boxes = BuildPageLayout(745, 530);
    EXPECT_EQ(boxes[kTargetLabel], (Box{20, 10, 120, 26}));
    EXPECT_EQ(boxes[kTargetEdit], (Box{20, 28, 720, 48}));
    EXPECT_EQ(boxes[kSelectTargetButton], (Box{20, 53, 155, 77}));
    EXPECT_EQ(boxes[kBuildButton], (Box{160, 53, 295, 77}));
    EXPECT_EQ(boxes[kTestButton], (Box{300, 53, 435, 77}));
    EXPECT_EQ(boxes[kLogLabel], (Box{20, 85, 120, 101}));
    EXPECT_EQ(boxes[kBuildLog], (Box{20, 105, 720, 505}));
}

TEST(BuildPage, TinyClientGivesEmptyRatherThanNegativeBoxes) {
    const auto boxes = BuildPageLayout(30, 100);
    EXPECT_EQ(boxes[kTargetEdit], (Box{20, 28, 20, 48}));
    EXPECT_EQ(boxes[kBuildLog], (Box{20, 105, 20, 105}));
}

}  // namespace
