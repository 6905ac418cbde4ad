#include "widgets/ruler_rules.h"

#include <algorithm>
#include <cmath>

namespace widgets {

std::vector<int> DefaultTabStops() {
    std::vector<int> stops;
    for (int i = 1; i <= kMaxTabStops; ++i) stops.push_back(i * kDefaultTabInterval);
    return stops;
}

int TwipsToPixels(int twips, int pixelsPerInch) {
    return static_cast<int>(
        std::lround(static_cast<double>(twips) * pixelsPerInch / kTwipsPerInch));
}

int PixelsToTwips(int pixels, int pixelsPerInch) {
    if (pixelsPerInch <= 0) return 0;
    return static_cast<int>(
        std::lround(static_cast<double>(pixels) * kTwipsPerInch / pixelsPerInch));
}

int GrabbedTabStop(const std::vector<int>& stopPixels, int x) {
    for (size_t i = 0; i < stopPixels.size(); ++i) {
        if (x >= stopPixels[i] - 2 && x <= stopPixels[i] + 3) return static_cast<int>(i);
    }
    return -1;
}

int DraggedTabStop(const std::vector<int>& stopPixels, int index, int x) {
    if (index < 0 || static_cast<size_t>(index) >= stopPixels.size()) return x;
    const int low = index == 0 ? 0 : stopPixels[index - 1];
    x = std::max(x, low + 1);
    if (static_cast<size_t>(index) + 1 < stopPixels.size()) {
        x = std::min(x, stopPixels[index + 1] - 1);
    }
    return x;
}

int IndentToNextStop(const std::vector<int>& stops, int indent) {
    int next = -1;
    for (int stop : stops) {
        if (stop > indent && (next < 0 || stop < next)) next = stop;
    }
    return next < 0 ? indent : next;
}

int OutdentToPreviousStop(const std::vector<int>& stops, int indent) {
    int previous = 0;
    for (int stop : stops) {
        if (stop < indent && stop > previous) previous = stop;
    }
    return previous;
}

}  // namespace widgets
