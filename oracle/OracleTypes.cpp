// The client's value forms: the 7-byte DATE, the ROWID texts, line-break normalisation and the
// number rule that decides how a NUMBER column is fetched.
#include "oracle/OracleTypes.h"

#include "platform/settings/DateTime.h"

#include <cmath>
#include <cstdio>

namespace {

const std::string kRowIdDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64Digits(ub4 value, int width) {
    std::string text(static_cast<size_t>(width), 'A');
    for (int i = width - 1; i >= 0; --i) {
        text[static_cast<size_t>(i)] = kRowIdDigits[value % 64];
        value /= 64;
    }
    return text;
}

bool Base64Value(const std::string& digits, ub4& value) {
    value = 0;
    for (char c : digits) {
        const size_t digit = kRowIdDigits.find(c);
        if (digit == std::string::npos)
            return false;
        value = value * 64 + static_cast<ub4>(digit);
    }
    return true;
}

// The day before 1 January 0001: what an impossible DATE reads as.
constexpr double kInvalidDay = -693594;

} // namespace

std::array<ub1, 7> EncodeOracleDate(TDateTime value) {
    int year, month, day, hour, minute, second, millisecond;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, millisecond);
    return {static_cast<ub1>(year / 100 + 100),
            static_cast<ub1>(year % 100 + 100),
            static_cast<ub1>(month),
            static_cast<ub1>(day),
            static_cast<ub1>(hour + 1),
            static_cast<ub1>(minute + 1),
            static_cast<ub1>(second + 1)};
}

TDateTime DecodeOracleDate(const ub1* bytes) {
    const int year = bytes[0] * 100 + bytes[1] - 10100;
    const int month = bytes[2];
    const int day = bytes[3];
    const bool validDate =
        year > 0 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
    const double datePart = validDate ? EncodeDate(year, month, day) : kInvalidDay;
    const int hour = bytes[4] - 1, minute = bytes[5] - 1, second = bytes[6] - 1;
    const bool validTime = hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
    const double timePart = validTime ? EncodeTime(hour, minute, second, 0) : 0;
    return datePart >= 0 ? datePart + timePart : datePart - timePart;
}

std::string RowIdText(ub4 objectNumber, ub4 relativeFile, ub4 block, ub4 row) {
    if (objectNumber != 0)
        return Base64Digits(objectNumber, 6) + Base64Digits(relativeFile, 3) + Base64Digits(block, 6) +
               Base64Digits(row, 3);
    char text[32];
    std::snprintf(text, sizeof text, "%8.8x.%4.4x.%4.4x", block, row, relativeFile);
    return text;
}

bool ParseExtendedRowId(const std::string& text, ub4& objectNumber, ub4& relativeFile, ub4& block, ub4& row) {
    return text.size() == 18 && Base64Value(text.substr(0, 6), objectNumber) &&
           Base64Value(text.substr(6, 3), relativeFile) && Base64Value(text.substr(9, 6), block) &&
           Base64Value(text.substr(15, 3), row);
}

std::string NormalizeLineBreaks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\n') {
            result += "\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string RemoveCarriageReturns(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c != '\r')
            result += c;
    }
    return result;
}

TFetchType NumberFetchType(int precision, int scale, const TNumberRule& rule) {
    bool isFloatType = false;
    if (scale == -127 && precision == 0) {
        scale = 0; // described without precision: read as plain NUMBER
    } else if (scale == -127) {
        isFloatType = true; // FLOAT(n)
        scale = 1;
        precision = 38;
    }
    if (precision == 0 && scale == 0)
        precision = 38;
    const int integerLimit = rule.IntegerPrecision != 0 ? rule.IntegerPrecision : (rule.OdbcMode ? 10 : 9);
    if (scale <= 0 && precision <= integerLimit)
        return {SQLT_INT, 4};
    if ((rule.FloatPrecision != 0 && rule.FloatPrecision < precision) || rule.StringFieldsOnly)
        return {SQLT_STR, (scale <= 0 ? precision + 2 : precision + 3) + (isFloatType ? 132 : 0)};
    return {SQLT_FLT, 8};
}
