// The value axis range and step; see NiceScale.h.
#include "grid/chart/NiceScale.h"

#include <cmath>
#include <utility>

namespace {

constexpr TAxisScale FallbackScale{0.0f, 1.0f, 0.1f};

bool IsUsable(float value) {
    return std::isfinite(value);
}

} // namespace

TAxisScale NiceScale(float minimum, float maximum) {
    if (maximum == minimum) {
        if (maximum > 0)
            minimum = 0;
        else
            maximum = 0;
    }
    if (maximum < minimum)
        std::swap(minimum, maximum);
    // All values 0 leave an empty range, whose order log10 cannot give; overflowed sums leave an
    // infinite one. Neither may reach the truncation below.
    const float range = maximum - minimum;
    if (!IsUsable(minimum) || !IsUsable(maximum) || !(range > 0) || !IsUsable(range))
        return FallbackScale;
    const float step = std::pow(10.0f, std::trunc(std::log10(range)) - 1.0f);
    if (!(step > 0) || !IsUsable(minimum / step) || !IsUsable(maximum / step))
        return FallbackScale;

    float low = step * std::trunc(minimum / step);
    if (low > minimum)
        low -= step;
    float high = step * std::trunc(maximum / step);
    if (high <= maximum)
        high += step;
    return TAxisScale{low, high, step};
}
