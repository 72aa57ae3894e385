// The scaled-integer sum behind TDecimalSum.
#include "platform/settings/DecimalSum.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Beyond this a value's digits no longer fit the scaled sum with MaxScale decimals.
constexpr double ExactLimit = 1e15;

__int128 PowerOfTen(int exponent) {
    __int128 power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

struct TDecimal {
    __int128 Units = 0; // value = Units × 10^-Scale
    int Scale = 0;
};

// The shortest decimal text of value (the one that reads back to it) as integer and scale.
TDecimal DecimalOf(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    const std::string digits(text, result.ptr);
    const size_t e = digits.find('e');
    const int exponent = std::atoi(digits.c_str() + e + 1);
    TDecimal decimal;
    int fraction = 0;
    bool afterPoint = false;
    for (size_t i = 0; i < e; ++i) {
        if (digits[i] == '.') {
            afterPoint = true;
        } else if (digits[i] >= '0' && digits[i] <= '9') {
            decimal.Units = decimal.Units * 10 + (digits[i] - '0');
            fraction += afterPoint ? 1 : 0;
        }
    }
    decimal.Scale = fraction - exponent;
    if (decimal.Scale < 0) {
        decimal.Units *= PowerOfTen(-decimal.Scale);
        decimal.Scale = 0;
    } else if (decimal.Scale > TDecimalSum::MaxScale) {
        const __int128 divisor = PowerOfTen(decimal.Scale - TDecimalSum::MaxScale);
        decimal.Units = (decimal.Units + divisor / 2) / divisor;
        decimal.Scale = TDecimalSum::MaxScale;
    }
    if (value < 0)
        decimal.Units = -decimal.Units;
    return decimal;
}

std::string IntegerText(__int128 value) {
    const bool negative = value < 0;
    std::string text;
    do {
        const int digit = static_cast<int>(value % 10);
        text.insert(text.begin(), static_cast<char>('0' + (negative ? -digit : digit)));
        value /= 10;
    } while (value != 0);
    return negative ? "-" + text : text;
}

} // namespace

void TDecimalSum::Add(double value) {
    ++FCount;
    FBinarySum += value;
    if (FInexact || !std::isfinite(value) || std::fabs(value) >= ExactLimit) {
        FInexact = true;
        return;
    }
    const TDecimal decimal = DecimalOf(value);
    if (decimal.Scale > FScale) {
        FUnits *= PowerOfTen(decimal.Scale - FScale);
        FScale = decimal.Scale;
    }
    FUnits += decimal.Units * PowerOfTen(FScale - decimal.Scale);
}

double TDecimalSum::Value() const {
    if (FInexact)
        return static_cast<double>(FBinarySum);
    // One correctly rounded conversion of the exact decimal.
    return std::strtod((IntegerText(FUnits) + "e-" + std::to_string(FScale)).c_str(), nullptr);
}

double TDecimalSum::Average() const {
    return FCount == 0 ? 0.0 : Value() / static_cast<double>(FCount);
}
