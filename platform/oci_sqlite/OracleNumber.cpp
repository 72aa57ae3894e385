// The OCINumber bytes to and from the engine's decimal, through its digits: the decimal's text gives
// sign, digits and the point's place, which pair into base-100 digits from the point outwards.
#include "platform/oci_sqlite/OracleNumber.h"

#include "platform/oci_sqlite/EngineError.h"

#include <cstring>
#include <string>

namespace ocisqlite {

namespace {

constexpr int kMaxDigitPairs = 20;

struct DecimalDigits {
    bool negative = false;
    std::string digits; // without leading zeros
    int point = 0;      // value = 0.digits * 10^point
};

DecimalDigits DigitsOf(const orasql::Decimal& value) {
    const std::string text = value.ToOracleText();
    DecimalDigits d;
    size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (text[i] == '.') {
            seenPoint = true;
        } else if (d.digits.empty() && text[i] == '0') {
            if (seenPoint)
                --d.point;
        } else {
            d.digits += text[i];
            if (!seenPoint)
                ++d.point;
        }
    }
    return d;
}

} // namespace

void ToOciNumber(const orasql::Decimal& value, unsigned char out[kOciNumberSize]) {
    std::memset(out, 0, kOciNumberSize);
    DecimalDigits d = DigitsOf(value.InRange());
    if (d.digits.empty()) {
        out[0] = 1;
        out[1] = 0x80;
        return;
    }
    if (d.point % 2 != 0) { // pairs start at the point
        d.digits.insert(0, "0");
        ++d.point;
    }
    if (d.digits.size() % 2 != 0)
        d.digits += '0';
    if (d.digits.size() > 2 * kMaxDigitPairs) // rounded to the 20 pairs, which may carry into a new one
        return ToOciNumber(value.Round(2 * kMaxDigitPairs - d.point), out);
    int pairs = static_cast<int>(d.digits.size()) / 2;
    while (pairs > 0 && d.digits.compare(2 * (pairs - 1), 2, "00") == 0)
        --pairs;
    const int exponent = d.point / 2 - 1; // the first pair's power of 100
    unsigned char* bytes = out + 1;
    bytes[0] = static_cast<unsigned char>(d.negative ? 62 - exponent : 193 + exponent);
    for (int i = 0; i < pairs; ++i) {
        const int pair = (d.digits[2 * i] - '0') * 10 + (d.digits[2 * i + 1] - '0');
        bytes[1 + i] = static_cast<unsigned char>(d.negative ? 101 - pair : pair + 1);
    }
    int length = 1 + pairs;
    if (d.negative && pairs < kMaxDigitPairs)
        bytes[length++] = 102;
    out[0] = static_cast<unsigned char>(length);
}

std::optional<orasql::Decimal> FromOciNumber(const unsigned char in[kOciNumberSize]) {
    const int length = in[0];
    if (length < 1 || length > kOciNumberSize - 1)
        return std::nullopt;
    const unsigned char* bytes = in + 1;
    if (length == 1 && bytes[0] == 0x80)
        return orasql::Decimal::FromInt(0);
    const bool negative = bytes[0] < 0x80;
    int pairs = length - 1;
    if (negative && pairs > 0 && bytes[pairs] == 102)
        --pairs;
    if (pairs == 0)
        return std::nullopt;
    const int exponent = negative ? 62 - bytes[0] : bytes[0] - 193;
    std::string digits;
    for (int i = 0; i < pairs; ++i) {
        const int pair = negative ? 101 - bytes[1 + i] : bytes[1 + i] - 1;
        if (pair < 0 || pair > 99)
            return std::nullopt;
        digits += static_cast<char>('0' + pair / 10);
        digits += static_cast<char>('0' + pair % 10);
    }
    // 0.digits * 100^(exponent + 1), written with an exponent for the decimal's parser.
    const std::string text = (negative ? "-." : ".") + digits + "E" + std::to_string(2 * (exponent + 1));
    return orasql::Decimal::Parse(text);
}

orasql::Decimal DecimalOf(const Value& value) {
    if (const auto* i = std::get_if<int64_t>(&value))
        return orasql::Decimal::FromInt(*i);
    if (const auto* d = std::get_if<double>(&value))
        return orasql::Decimal::FromDouble(*d);
    const auto* text = std::get_if<std::string>(&value);
    const auto parsed = text ? orasql::Decimal::Parse(*text) : std::nullopt;
    if (!parsed)
        throw ora::InvalidNumber();
    return *parsed;
}

Value NumberValue(const orasql::Decimal& number) {
    if (number.IsInteger() && number.FitsInt64())
        return number.ToInt64();
    if (number.HeldByDouble())
        return number.ToDouble();
    return number.ToOracleText();
}

} // namespace ocisqlite
