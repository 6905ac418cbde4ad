#pragma once
// Where an image window draws its bitmap: the destination rectangle for a fit mode and an
// alignment, in the window's client coordinates (the client area starts at 0, 0).

namespace widgets {

enum FitMode : int {
    kFitScale = 1,    // the bitmap size times stored factors
    kFitActual = 2,   // the bitmap's own size (the default)
    kFitStretch = 3,  // the whole client area
    kFitWidth = 4,    // as wide as the client area, proportions kept
    kFitHeight = 5,   // as tall as the client area, proportions kept
    kFitInside = 6,   // the larger size that fits inside, proportions kept
    kFitFill = 7,     // the smaller size that covers the area, proportions kept
    kFitTile = 8,     // repeated over the whole client area
};

enum Alignment : int {
    kAlignStart = 2,  // left or top
    kAlignCentre = 3,
    kAlignEnd = 4,  // right or bottom
};

struct ImageBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const ImageBox& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct ImageFit {
    int mode = kFitActual;
    int horizontal = kAlignStart;
    int vertical = kAlignStart;
    double scaleX = 1;  // mode kFitScale only
    double scaleY = 1;
};

// A fit mode outside 1 to 8 counts as kFitActual; an alignment outside 2 to 4 as kAlignStart.
int NormalizeFitMode(int mode);
int NormalizeAlignment(int alignment);

// The destination rectangle of a `sourceWidth` x `sourceHeight` bitmap in a client area of
// `clientWidth` x `clientHeight`. Empty when either area is empty; with kFitTile the whole
// client area.
ImageBox DestinationBox(const ImageFit& fit, int sourceWidth, int sourceHeight, int clientWidth,
                        int clientHeight);

}  // namespace widgets
