#include "widgets/image_fit.h"

#include <gtest/gtest.h>

namespace {

using namespace widgets;

ImageFit Fit(int mode, int h = kAlignStart, int v = kAlignStart) {
    ImageFit fit;
    fit.mode = mode;
    fit.horizontal = h;
    fit.vertical = v;
    return fit;
}

TEST(ImageFitTest, ActualSizeFromTheTopLeftCornerClipsOrLeavesRoom) {
    // The banner picker: 160 x 320 preview, pictures from the top-left corner.
    EXPECT_EQ(DestinationBox(Fit(kFitActual), 400, 500, 160, 320), (ImageBox{0, 0, 400, 500}));
    EXPECT_EQ(DestinationBox(Fit(kFitActual), 100, 50, 160, 320), (ImageBox{0, 0, 100, 50}));
    EXPECT_EQ(DestinationBox(Fit(kFitActual, kAlignCentre, kAlignEnd), 100, 50, 160, 320),
              (ImageBox{30, 270, 130, 320}));
    EXPECT_EQ(DestinationBox(Fit(kFitActual, kAlignEnd, kAlignCentre), 200, 100, 160, 320),
              (ImageBox{-40, 110, 160, 210}));
}

TEST(ImageFitTest, ProportionalModesUseTheRightFactor) {
    // A 200 x 100 bitmap in a 100 x 100 area: width factor 0.5, height factor 1.
    EXPECT_EQ(DestinationBox(Fit(kFitWidth), 200, 100, 100, 100), (ImageBox{0, 0, 100, 50}));
    EXPECT_EQ(DestinationBox(Fit(kFitHeight), 200, 100, 100, 100), (ImageBox{0, 0, 200, 100}));
    EXPECT_EQ(DestinationBox(Fit(kFitInside, kAlignCentre, kAlignCentre), 200, 100, 100, 100),
              (ImageBox{0, 25, 100, 75}));
    EXPECT_EQ(DestinationBox(Fit(kFitFill, kAlignCentre, kAlignCentre), 200, 100, 100, 100),
              (ImageBox{-50, 0, 150, 100}));
    EXPECT_EQ(DestinationBox(Fit(kFitStretch), 200, 100, 100, 80), (ImageBox{0, 0, 100, 80}));
    ImageFit scale = Fit(kFitScale);
    scale.scaleX = 1.5;
    scale.scaleY = 0.25;
    EXPECT_EQ(DestinationBox(scale, 200, 100, 100, 100), (ImageBox{0, 0, 300, 25}));
    scale.scaleX = -2;  // a negative factor gives nothing to draw, not a mirrored box
    EXPECT_TRUE(DestinationBox(scale, 200, 100, 100, 100).empty());
}

TEST(ImageFitTest, TileCoversTheClientAndBadInputGivesNothing) {
    EXPECT_EQ(DestinationBox(Fit(kFitTile, kAlignEnd, kAlignEnd), 10, 10, 160, 320),
              (ImageBox{0, 0, 160, 320}));
    EXPECT_TRUE(DestinationBox(Fit(kFitActual), 0, 10, 160, 320).empty());
    EXPECT_TRUE(DestinationBox(Fit(kFitStretch), 10, 10, 0, 320).empty());
    EXPECT_TRUE(DestinationBox(Fit(kFitTile), 10, 10, 160, -5).empty());
    // Unknown modes and alignments fall back to actual size, top-left.
    EXPECT_EQ(NormalizeFitMode(0), kFitActual);
    EXPECT_EQ(NormalizeFitMode(9), kFitActual);
    EXPECT_EQ(NormalizeFitMode(kFitFill), kFitFill);
    EXPECT_EQ(DestinationBox(Fit(42, 7, 1), 50, 60, 160, 320), (ImageBox{0, 0, 50, 60}));
}

}  // namespace
