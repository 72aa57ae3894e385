// Oracle NUMBER arithmetic: a decimal with a 128-bit mantissa, so that amounts add, subtract,
// multiply and round exactly in base ten. Values live in SQLite as integers, as the double nearest
// the decimal when that holds every digit (FromDouble recovers it through the shortest round-trip
// text), and in columns as their text otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orasql {

class Decimal {
public:
    Decimal() = default;
    static Decimal FromInt(int64_t v);
    static Decimal FromDouble(double v); // ORA-01426 for infinity, NaN and Overflows()
    // Oracle's implicit conversion of text: blanks around, sign, digits, point, exponent.
    static std::optional<Decimal> Parse(std::string_view text);

    Decimal operator+(const Decimal& o) const;
    Decimal operator-(const Decimal& o) const;
    Decimal operator*(const Decimal& o) const;
    Decimal operator/(const Decimal& o) const; // precondition: o is not zero
    Decimal operator-() const;
    int Compare(const Decimal& o) const;

    bool IsZero() const { return mantissa_ == 0; }
    bool IsNegative() const { return mantissa_ < 0; }
    Decimal Round(int places) const; // half away from zero
    Decimal Trunc(int places) const;
    int IntegerDigits() const; // digits before the decimal point (0 for |x| < 1)
    // Whether NUMBER(precision, scale) holds this value once rounded to `scale`: |x| < 10^(p - s).
    bool FitsPrecision(int precision, int scale) const;
    // The largest value NUMBER(precision, scale) holds: 10^(p - s) - 10^-s.
    static Decimal LargestOf(int precision, int scale);
    bool Overflows() const { return IntegerDigits() > 126; } // beyond NUMBER's range: |x| >= 1e126
    const Decimal& InRange() const;                          // ORA-01426 when it Overflows()

    bool IsInteger() const { return exponent_ >= 0; }
    // Whether the nearest double gives this value back, in its shortest text as in 15 digits.
    bool HeldByDouble() const;
    bool FitsInt64() const;
    int64_t ToInt64() const; // precondition: IsInteger() && FitsInt64()
    // The integer part, held within +-10^18: for positions and counts that come from user input.
    int64_t ToInt64Clamped() const;
    double ToDouble() const;
    std::string ToOracleText() const; // as TO_CHAR renders it: 0.5 -> ".5", -2 -> "-2"

private:
    Decimal(__int128 mantissa, int exponent);
    void Normalize();
    Decimal Shifted(int places, bool roundHalfUp) const;

    __int128 mantissa_ = 0; // value = mantissa_ * 10^exponent_
    int exponent_ = 0;
};

} // namespace orasql
