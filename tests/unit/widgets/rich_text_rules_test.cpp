#include <gtest/gtest.h>

#include "widgets/byte_feeder.h"
#include "widgets/ruler_rules.h"

namespace {

using namespace widgets;

TEST(ByteFeederTest, EveryByteOnceInPiecesThatFit) {
    std::string rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < 1000; ++i) rtf += static_cast<char>('a' + i % 26);
    rtf += "}";
    for (size_t capacity : {1u, 7u, 4096u, 5000u}) {
        ByteFeeder feeder(rtf);
        std::string received;
        char buffer[5000];
        size_t piece;
        while ((piece = feeder.Read(buffer, capacity)) > 0) {
            ASSERT_LE(piece, capacity);
            received.append(buffer, piece);
        }
        EXPECT_EQ(received, rtf) << capacity;
        EXPECT_TRUE(feeder.done());
        EXPECT_EQ(feeder.Read(buffer, capacity), 0u);  // and nothing after the end
    }
    ByteFeeder empty("");
    char c;
    EXPECT_TRUE(empty.done());
    EXPECT_EQ(empty.Read(&c, 1), 0u);
    ByteFeeder some("abc");
    EXPECT_EQ(some.Read(nullptr, 10), 0u);
    EXPECT_EQ(some.Read(&c, 0), 0u);
    EXPECT_FALSE(some.done());
}

TEST(RulerRulesTest, TwipsAndPixelsRoundTrip) {
    EXPECT_EQ(DefaultTabStops().size(), 32u);
    EXPECT_EQ(DefaultTabStops()[0], 640);
    EXPECT_EQ(DefaultTabStops()[31], 32 * 640);
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(640, 96), 43);  // 42.67
    EXPECT_EQ(PixelsToTwips(43, 96), 645);
    EXPECT_EQ(PixelsToTwips(1, 96), 15);
    EXPECT_EQ(PixelsToTwips(10, 120), 120);
    EXPECT_EQ(PixelsToTwips(10, 0), 0);
}

TEST(RulerRulesTest, GrabAndDragStayBetweenNeighbours) {
    const std::vector<int> marks = {40, 80, 120};
    EXPECT_EQ(GrabbedTabStop(marks, 38), 0);
    EXPECT_EQ(GrabbedTabStop(marks, 83), 1);
    EXPECT_EQ(GrabbedTabStop(marks, 37), -1);
    EXPECT_EQ(GrabbedTabStop(marks, 84), -1);
    EXPECT_EQ(DraggedTabStop(marks, 1, 100), 100);
    EXPECT_EQ(DraggedTabStop(marks, 1, 10), 41);
    EXPECT_EQ(DraggedTabStop(marks, 1, 200), 119);
    EXPECT_EQ(DraggedTabStop(marks, 0, -5), 1);
    EXPECT_EQ(DraggedTabStop(marks, 2, 900), 900);  // the last has no right neighbour
}

TEST(RulerRulesTest, IndentAndOutdentMoveToTabStops) {
    const std::vector<int> stops = {640, 1280, 1920};
    EXPECT_EQ(IndentToNextStop(stops, 0), 640);
    EXPECT_EQ(IndentToNextStop(stops, 640), 1280);
    EXPECT_EQ(IndentToNextStop(stops, 700), 1280);
    EXPECT_EQ(IndentToNextStop(stops, 1920), 1920);  // no stop further right: unchanged
    EXPECT_EQ(OutdentToPreviousStop(stops, 1280), 640);
    EXPECT_EQ(OutdentToPreviousStop(stops, 700), 640);
    EXPECT_EQ(OutdentToPreviousStop(stops, 640), 0);
    EXPECT_EQ(OutdentToPreviousStop({}, 500), 0);
}

}  // namespace
