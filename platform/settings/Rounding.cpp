// The product by 100 is formed in long double: with at least 60 significand bits it is exact for every
// double, so nearbyint (ties to even in the default rounding mode) decides on the double's true value.
#include "platform/settings/Rounding.h"

#include <cfloat>
#include <cmath>

static_assert(LDBL_MANT_DIG >= 60, "the product of a double and 100 must be exact in long double");

double RoundToCents(double value) {
    // From 2^52 on every double is a whole number and has no cents to round.
    if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0)
        return value;
    const long double cents = std::nearbyintl(static_cast<long double>(value) * 100.0L);
    // cents is a whole number below 2^59; as double it is exact up to 2^53, which covers every amount
    // this rounding sees, and dividing in double gives the correctly rounded quotient.
    return static_cast<double>(cents) / 100.0;
}
