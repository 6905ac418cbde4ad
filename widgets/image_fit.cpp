#include "widgets/image_fit.h"

#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

int Scaled(int size, double factor) {
    const double scaled = std::floor(size * factor + 0.5);
    return static_cast<int>(std::max(0.0, std::min(scaled, 1e8)));
}

// The offset of a `size` span inside `space` by the alignment.
int Aligned(int alignment, int size, int space) {
    switch (NormalizeAlignment(alignment)) {
        case kAlignCentre:
            return (space - size) / 2;
        case kAlignEnd:
            return space - size;
        default:
            return 0;
    }
}

}  // namespace

int NormalizeFitMode(int mode) {
    return (mode >= kFitScale && mode <= kFitTile) ? mode : kFitActual;
}

int NormalizeAlignment(int alignment) {
    return (alignment >= kAlignStart && alignment <= kAlignEnd) ? alignment : kAlignStart;
}

ImageBox DestinationBox(const ImageFit& fit, int sourceWidth, int sourceHeight, int clientWidth,
                        int clientHeight) {
    if (sourceWidth <= 0 || sourceHeight <= 0 || clientWidth <= 0 || clientHeight <= 0) return {};
    const double byWidth = static_cast<double>(clientWidth) / sourceWidth;
    const double byHeight = static_cast<double>(clientHeight) / sourceHeight;
    int width = sourceWidth;
    int height = sourceHeight;
    switch (NormalizeFitMode(fit.mode)) {
        case kFitScale:
            width = Scaled(sourceWidth, fit.scaleX);
            height = Scaled(sourceHeight, fit.scaleY);
            break;
        case kFitActual:
            break;
        case kFitStretch:
        case kFitTile:
            width = clientWidth;
            height = clientHeight;
            break;
        case kFitWidth:
            width = clientWidth;
            height = Scaled(sourceHeight, byWidth);
            break;
        case kFitHeight:
            width = Scaled(sourceWidth, byHeight);
            height = clientHeight;
            break;
        case kFitInside:
        case kFitFill: {
            const double factor = NormalizeFitMode(fit.mode) == kFitInside
                                      ? std::min(byWidth, byHeight)
                                      : std::max(byWidth, byHeight);
            width = Scaled(sourceWidth, factor);
            height = Scaled(sourceHeight, factor);
            break;
        }
    }
    if (NormalizeFitMode(fit.mode) == kFitTile) return {0, 0, clientWidth, clientHeight};
    const int left = Aligned(fit.horizontal, width, clientWidth);
    const int top = Aligned(fit.vertical, height, clientHeight);
    return {left, top, left + width, top + height};
}

}  // namespace widgets
