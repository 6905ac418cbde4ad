#include "widgets/grid_layout.h"

#include <gtest/gtest.h>

namespace {

using namespace widgets;

RowPlace Place(int top, int height = 22) {
    return RowPlace{0, 600, top, height};
}

std::vector<EditorSlot> Slots(std::initializer_list<int> ids, int width = 0) {
    std::vector<EditorSlot> slots;
    for (int id : ids) slots.push_back({id, width});
    return slots;
}

TEST(GridLayoutTest, CollapsedGroupsHideAllTheirDescendants) {
    // 0 group, 1 child, 2 grandchild, 3 second group, 4 its child
    std::vector<RowNode> rows = {{-1, true}, {0, true}, {1, true}, {-1, true}, {3, true}};
    EXPECT_EQ(VisibleRows(rows), std::vector<bool>({true, true, true, true, true}));
    rows[0].expanded = false;
    EXPECT_EQ(VisibleRows(rows), std::vector<bool>({true, false, false, true, true}));
    rows[0].expanded = true;
    rows[1].expanded = false;
    EXPECT_EQ(VisibleRows(rows), std::vector<bool>({true, true, false, true, true}));
    // A row that names a later row as parent is hidden rather than read out of order.
    EXPECT_EQ(VisibleRows({{1, true}, {-1, true}}), std::vector<bool>({false, true}));
}

TEST(GridLayoutTest, ScrollBarNeededOnlyWithOneRowTooMany) {
    const int h = RowHeight(16);
    EXPECT_EQ(h, 22);
    const int client = 220;  // client less one row: 198, nine rows
    EXPECT_FALSE(NextScrollNeeded(false, 9 * h, client, h));
    EXPECT_TRUE(NextScrollNeeded(false, 10 * h, client, h));
    EXPECT_FALSE(NextScrollNeeded(true, 8 * h, client, h));
    // Exactly at the limit the flag is kept, so it does not flicker.
    EXPECT_TRUE(NextScrollNeeded(true, 198, client, h));
    EXPECT_FALSE(NextScrollNeeded(false, 198, client, h));

    EXPECT_EQ(ScrollMaximum(20, h, client), 20 * h - client);
    EXPECT_EQ(ScrollMaximum(3, h, client), 0);
}

TEST(GridLayoutTest, ScrollActionsMoveByPixelsAndRows) {
    const int h = 22, max = 100;
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::LineDown, 10, max, h), 11);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::LineUp, 10, max, h), 9);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::LineUp, 0, max, h), 0);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::LineDown, max, max, h), max);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::PageDown, 10, max, h), 32);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::PageDown, 90, max, h), max);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::PageUp, 10, max, h), 0);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::Top, 50, max, h), 0);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::Bottom, 50, max, h), max);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::Thumb, 50, max, h, 77), 77);
    EXPECT_EQ(ScrollPositionAfter(ScrollAction::Thumb, 50, max, h, 500), max);

    // A notch is three rows by default; a finer wheel's part notch scrolls its part.
    EXPECT_EQ(WheelScrollPixels(120, 3, h, 400), 3 * h);
    EXPECT_EQ(WheelScrollPixels(-240, 3, h, 400), -6 * h);
    EXPECT_EQ(WheelScrollPixels(40, 3, h, 400), h);
    EXPECT_EQ(WheelScrollPixels(120, 1, h, 400), h);
    EXPECT_EQ(WheelScrollPixels(-120, kWheelPageScroll, h, 400), -400);
    EXPECT_EQ(WheelScrollPixels(120, 0, h, 400), 0);  // the wheel turned off in the settings
}

TEST(GridLayoutTest, SubOptionsAreIndentedAndPairsSpaced) {
    // An option with a two-digit identifier and its sub-options (hundreds digit set).
    Box option = PlaceEditors(kCheckBoxRow, 21, 400, Place(44), Slots({7021}))[0];
    Box sub = PlaceEditors(kCheckBoxRow, 211, 400, Place(66), Slots({7211}))[0];
    EXPECT_EQ(option, (Box{15, 42, 415, 65}));
    EXPECT_EQ(sub.left - option.left, 30);
    for (int id : {7212, 7221, 7231, 7232}) {
        EXPECT_EQ(PlaceEditors(kCheckBoxRow, id - 7000, 400, Place(0), Slots({id}))[0].left, 45);
    }
    // The three "All" boxes: the first two side by side, a 10-pixel gap after the second.
    std::vector<Box> all = PlaceEditors(kCheckBoxRow, 24 /* the "All" boxes row */, 110, Place(0),
                                        Slots({7024, 7025, 7026}));
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].left, 15);
    EXPECT_EQ(all[1].left, 125);
    EXPECT_EQ(all[2].left, 245);
}

TEST(GridLayoutTest, VersionFieldsKeepTheirWidthsInPairs) {
    // edit, spin, edit, spin, ... each 35 wide; the row's editor width does not apply.
    std::vector<Box> boxes = PlaceEditors(
        kVersionRow, 9, 30, Place(100),
        {{7009, 35}, {0, 18}, {7010, 35}, {0, 18}, {7011, 35}, {0, 18}, {7012, 35}, {0, 18}});
    const int lefts[] = {15, 50, 78, 113, 141, 176, 204, 239};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(boxes[i].left, lefts[i]) << i;
    EXPECT_EQ(boxes[1].right, 68);
    EXPECT_EQ(boxes[0].top, 98);
    EXPECT_EQ(boxes[0].bottom, 121);
}

TEST(GridLayoutTest, ListsPicturesAndRightAlignedEditors) {
    RowPlace place{0, 600, 40, 22};
    EXPECT_EQ(PlaceEditors(kFileListRow, 12, 100, place, Slots({7024}))[0],
              (Box{13, 40, 565, 220}));
    EXPECT_EQ(PlaceEditors(kFileListSecondRow, 22, 100, place, Slots({7034}))[0],
              (Box{13, 40, 565, 220}));
    EXPECT_EQ(PlaceEditors(kPictureRow, 31, 0, place, Slots({7031}))[0], (Box{15, 41, 575, 241}));
    EXPECT_EQ(PlaceEditors(kPictureRow, 32, 0, place, Slots({7032}))[0], (Box{15, 41, 575, 441}));

    std::vector<Box> right = PlaceEditors(kCaptionRightRow, 40, 80, place, Slots({1, 2}));
    EXPECT_EQ(right[0], (Box{480, 33, 560, 57}));
    EXPECT_EQ(right[1], (Box{395, 33, 475, 57}));
    EXPECT_EQ(PlaceEditors(kCaptionRowRightRow, 40, 80, place, Slots({1}))[0], right[0]);
    EXPECT_EQ(RowDrawBox(place), (Box{1, 41, 600, 61}));
}

}  // namespace
