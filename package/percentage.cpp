#include "package/percentage.h"

#include "package/format.h"

namespace package {

int32_t Percentage(int64_t done, int32_t total) {
    if (total <= 0) return 100;
    // In double precision, which holds every product here exactly (done is a stream's byte
    // count): the same truncated quotients as 64-bit integers, without their division routine.
    const double percent = total <= kPercentageDirectLimit
                               ? static_cast<double>(done) * 100 / total
                               : static_cast<double>(done) / (total / 100);
    return percent > INT32_MAX ? INT32_MAX : static_cast<int32_t>(percent);
}

}  // namespace package
