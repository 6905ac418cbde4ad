#include "package/percentage.h"

#include "package/format.h"

namespace package {

int32_t Percentage(int64_t done, int32_t total) {
    if (total <= 0) return 100;
    const int64_t percent =
        total <= kPercentageDirectLimit ? done * 100 / total : done / (total / 100);
    return static_cast<int32_t>(percent > INT32_MAX ? INT32_MAX : percent);
}

}  // namespace package
