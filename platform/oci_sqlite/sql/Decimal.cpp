// Decimal NUMBER arithmetic. The mantissa holds at most 38 digits, Oracle's own precision; where an
// operation would need more, the least significant digits are rounded away first.
#include "platform/oci_sqlite/sql/Decimal.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <cassert>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orasql {
namespace {

constexpr int kMaxDigits = 38;

__int128 Pow10(int n) {
    assert(n >= 0 && n <= 38);
    __int128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

int Digits(__int128 v) {
    if (v < 0)
        v = -v;
    int n = 0;
    while (v != 0) {
        v /= 10;
        ++n;
    }
    return n;
}

std::string MantissaText(__int128 v) {
    if (v == 0)
        return "0";
    const bool negative = v < 0;
    std::string s;
    while (v != 0) {
        int digit = static_cast<int>(v % 10);
        s.insert(s.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        v /= 10;
    }
    return negative ? "-" + s : s;
}

// Divides by 10^places, rounding half away from zero or truncating.
__int128 DivPow10(__int128 v, int places, bool roundHalfUp) {
    if (places <= 0)
        return v;
    if (places > kMaxDigits)
        return 0;
    const __int128 p = Pow10(places);
    __int128 q = v / p;
    const __int128 r = v % p;
    if (roundHalfUp && (r < 0 ? -r : r) * 2 >= p)
        q += v < 0 ? -1 : 1;
    return q;
}

} // namespace

Decimal::Decimal(__int128 mantissa, int exponent) : mantissa_(mantissa), exponent_(exponent) {
    Normalize();
}

void Decimal::Normalize() {
    if (mantissa_ == 0) {
        exponent_ = 0;
        return;
    }
    const int excess = Digits(mantissa_) - kMaxDigits;
    if (excess > 0) {
        mantissa_ = DivPow10(mantissa_, excess, true);
        exponent_ += excess;
    }
    while (mantissa_ % 10 == 0) {
        mantissa_ /= 10;
        ++exponent_;
    }
}

Decimal Decimal::FromInt(int64_t v) {
    return Decimal(v, 0);
}

const Decimal& Decimal::InRange() const {
    if (Overflows())
        ThrowOracleError(1426, "numeric overflow");
    return *this;
}

Decimal Decimal::FromDouble(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= 1e126)
        ThrowOracleError(1426, "numeric overflow");
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 9.2e18)
        return FromInt(static_cast<int64_t>(v));
    // Amounts have few decimals: the first scale at which v is the double nearest m / 10^k gives
    // the shortest decimal without formatting text (division of exact operands rounds correctly).
    if (std::isfinite(v) && std::fabs(v) < 1e15) {
        double power = 1;
        for (int k = 0; k <= 15; ++k, power *= 10) {
            const double m = std::nearbyint(v * power);
            if (std::fabs(m) < 9007199254740992.0 && m / power == v)
                return Decimal(static_cast<int64_t>(m), -k);
        }
    }
    char buf[40];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v)
            break;
    }
    return Parse(buf).value(); // %g of a finite double always parses
}

std::optional<Decimal> Decimal::Parse(std::string_view text) {
    size_t i = 0, n = text.size();
    while (i < n && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    while (n > i && std::isspace(static_cast<unsigned char>(text[n - 1])))
        --n;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    __int128 mantissa = 0;
    int exponent = 0, digits = 0, significant = 0;
    bool point = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            ++digits;
            if (significant < kMaxDigits) {
                mantissa = mantissa * 10 + (c - '0');
                if (mantissa != 0)
                    ++significant;
                if (point)
                    --exponent;
            } else if (!point) {
                ++exponent; // digits beyond Oracle's precision only scale the value
            }
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            expNegative = text[i++] == '-';
        if (i == n || !std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        int e = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i])) && e < 10000)
            e = e * 10 + (text[i++] - '0');
        exponent += expNegative ? -e : e;
    }
    if (i != n)
        return std::nullopt;
    return Decimal(negative ? -mantissa : mantissa, exponent);
}

// Brings this value to exponent `exponent_ - places` (places > 0 adds digits).
Decimal Decimal::Shifted(int places, bool roundHalfUp) const {
    Decimal d = *this;
    if (places > 0) {
        d.mantissa_ *= Pow10(places);
        d.exponent_ -= places;
    } else {
        d.mantissa_ = DivPow10(d.mantissa_, -places, roundHalfUp);
        d.exponent_ -= places;
    }
    return d;
}

Decimal Decimal::operator+(const Decimal& o) const {
    if (IsZero())
        return o;
    if (o.IsZero())
        return *this;
    const Decimal& high = exponent_ >= o.exponent_ ? *this : o; // the one with the larger exponent
    const Decimal& low = exponent_ >= o.exponent_ ? o : *this;
    int shift = high.exponent_ - low.exponent_;
    const int room = kMaxDigits - 1 - Digits(high.mantissa_);
    if (shift <= room)
        return Decimal(high.Shifted(shift, false).mantissa_ + low.mantissa_, low.exponent_);
    // The smaller operand reaches below 38 digits of the larger: round it to what can be kept.
    Decimal h = high.Shifted(room, false);
    Decimal l = low.Shifted(h.exponent_ - low.exponent_ > 0 ? -(h.exponent_ - low.exponent_) : 0, true);
    return Decimal(h.mantissa_ + l.mantissa_, h.exponent_);
}

Decimal Decimal::operator-() const {
    return Decimal(-mantissa_, exponent_);
}

Decimal Decimal::operator-(const Decimal& o) const {
    return *this + (-o);
}

Decimal Decimal::operator*(const Decimal& o) const {
    auto trimmed = [](const Decimal& d) {
        const int excess = Digits(d.mantissa_) - 19;
        return excess > 0 ? d.Shifted(-excess, true) : d;
    };
    const Decimal a = trimmed(*this), b = trimmed(o);
    return Decimal(a.mantissa_ * b.mantissa_, a.exponent_ + b.exponent_);
}

Decimal Decimal::operator/(const Decimal& o) const {
    assert(!o.IsZero());
    const int scale = kMaxDigits - 1 - Digits(mantissa_);
    if (scale < 0) // a full 38-digit dividend gives up its last digit to make room
        return Shifted(scale, true) / o;
    const __int128 numerator = mantissa_ * Pow10(scale);
    __int128 q = numerator / o.mantissa_;
    const __int128 r = numerator % o.mantissa_;
    const __int128 absR = r < 0 ? -r : r, absD = o.mantissa_ < 0 ? -o.mantissa_ : o.mantissa_;
    if (absR * 2 >= absD)
        q += (numerator < 0) != (o.mantissa_ < 0) ? -1 : 1;
    return Decimal(q, exponent_ - scale - o.exponent_);
}

int Decimal::Compare(const Decimal& o) const {
    const Decimal d = *this - o;
    return d.mantissa_ < 0 ? -1 : d.mantissa_ > 0 ? 1 : 0;
}

Decimal Decimal::Round(int places) const {
    if (-exponent_ <= places)
        return *this;
    return Decimal(DivPow10(mantissa_, -exponent_ - places, true), -places);
}

Decimal Decimal::Trunc(int places) const {
    if (-exponent_ <= places)
        return *this;
    return Decimal(DivPow10(mantissa_, -exponent_ - places, false), -places);
}

int Decimal::IntegerDigits() const {
    const int n = Digits(mantissa_) + exponent_;
    return n > 0 ? n : 0;
}

bool Decimal::FitsPrecision(int precision, int scale) const {
    return IsZero() || Digits(mantissa_) + exponent_ <= precision - scale;
}

Decimal Decimal::LargestOf(int precision, int scale) {
    return Decimal(Pow10(precision) - 1, -scale);
}

bool Decimal::HeldByDouble() const {
    constexpr __int128 kFifteenDigits = 1000000000000000; // the mantissa has no trailing zeros
    return mantissa_ < kFifteenDigits && mantissa_ > -kFifteenDigits;
}

bool Decimal::FitsInt64() const {
    if (exponent_ < 0)
        return false;
    if (Digits(mantissa_) + exponent_ > 18)
        return false;
    return true;
}

int64_t Decimal::ToInt64() const {
    assert(IsInteger() && FitsInt64());
    return static_cast<int64_t>(mantissa_ * Pow10(exponent_));
}

int64_t Decimal::ToInt64Clamped() const {
    const Decimal whole = Trunc(0);
    if (whole.FitsInt64())
        return whole.ToInt64();
    constexpr int64_t kLimit = 1000000000000000000;
    return whole.IsNegative() ? -kLimit : kLimit;
}

double Decimal::ToDouble() const {
    const std::string text = MantissaText(mantissa_) + "e" + std::to_string(exponent_);
    return std::strtod(text.c_str(), nullptr);
}

std::string Decimal::ToOracleText() const {
    if (mantissa_ == 0)
        return "0";
    std::string digits = MantissaText(mantissa_ < 0 ? -mantissa_ : mantissa_);
    const std::string sign = mantissa_ < 0 ? "-" : "";
    if (exponent_ >= 0)
        return sign + digits + std::string(exponent_, '0');
    const int point = static_cast<int>(digits.size()) + exponent_;
    if (point > 0)
        return sign + digits.substr(0, point) + "." + digits.substr(point);
    return sign + "." + std::string(-point, '0') + digits;
}

} // namespace orasql
