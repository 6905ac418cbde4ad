#include "widgets/split_layout.h"

#include <algorithm>

namespace widgets {

int ClampSplitLeft(int requested, int totalWidth, int barWidth, int minPane) {
    const int widest = totalWidth - barWidth - minPane;
    if (widest < minPane) return std::max(0, std::min(requested, totalWidth / 2));
    return std::clamp(requested, minPane, widest);
}

}  // namespace widgets
