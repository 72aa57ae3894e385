// The value axis range and step for the smallest and largest value of a chart: a power of ten
// one below the range's own order, the range widened to whole steps. Computed in single
// precision; ranges without a defined order fall back to 0 to 1.
#pragma once

struct TAxisScale {
    float Minimum;
    float Maximum;
    float Step;
    bool operator==(const TAxisScale&) const = default;
};

//! The axis for values between minimum and maximum (either order). Equal values are widened to
//! include 0; an empty, infinite or undefined range gives 0 to 1 with step 0.1.
TAxisScale NiceScale(float minimum, float maximum);
