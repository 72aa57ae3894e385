// Conversions between the stored date text and Oracle's date forms. The stored text is parsed
// strictly, so only real dates turn into 7-byte DATE values.
#include "platform/oci_sqlite/OracleDate.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace ocisqlite {

static bool ValidParts(const DateTimeParts& p) {
    return p.year >= -4712 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 && p.day <= 31 &&
           p.hour >= 0 && p.hour <= 23 && p.minute >= 0 && p.minute <= 59 && p.second >= 0 && p.second <= 59;
}

std::optional<DateTimeParts> ParseStoredDate(const std::string& text) {
    DateTimeParts p;
    int consumed = 0;
    const int fields = std::sscanf(text.c_str(), "%d-%d-%d%n %d:%d:%d%n", &p.year, &p.month, &p.day,
                                   &consumed, &p.hour, &p.minute, &p.second, &consumed);
    if ((fields != 3 && fields != 6) || static_cast<size_t>(consumed) != text.size() || !ValidParts(p))
        return std::nullopt;
    return p;
}

std::string FormatStoredDate(const DateTimeParts& p) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return buffer;
}

void ToOracleDate(const DateTimeParts& p, unsigned char out[7]) {
    out[0] = static_cast<unsigned char>(p.year / 100 + 100);
    out[1] = static_cast<unsigned char>(p.year % 100 + 100);
    out[2] = static_cast<unsigned char>(p.month);
    out[3] = static_cast<unsigned char>(p.day);
    out[4] = static_cast<unsigned char>(p.hour + 1);
    out[5] = static_cast<unsigned char>(p.minute + 1);
    out[6] = static_cast<unsigned char>(p.second + 1);
}

std::optional<DateTimeParts> FromOracleDate(const unsigned char in[7]) {
    DateTimeParts p{(in[0] - 100) * 100 + (in[1] - 100), in[2], in[3], in[4] - 1, in[5] - 1, in[6] - 1};
    if (!ValidParts(p))
        return std::nullopt;
    return p;
}

void ToOciDate(const DateTimeParts& p, unsigned char out[kOciDateSize]) {
    const int16_t year = static_cast<int16_t>(p.year);
    std::memcpy(out, &year, sizeof year);
    const int rest[] = {p.month, p.day, p.hour, p.minute, p.second, 0};
    for (size_t i = 0; i < std::size(rest); ++i)
        out[2 + i] = static_cast<unsigned char>(rest[i]);
}

std::optional<DateTimeParts> FromOciDate(const unsigned char in[kOciDateSize]) {
    int16_t year = 0;
    std::memcpy(&year, in, sizeof year);
    const DateTimeParts p{year, in[2], in[3], in[4], in[5], in[6]};
    if (!ValidParts(p))
        return std::nullopt;
    return p;
}

namespace {
const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                               "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool StartsWith(const std::string& upper, size_t at, const char* element) {
    return upper.compare(at, std::char_traits<char>::length(element), element) == 0;
}

std::string Digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}
} // namespace

std::string FormatNlsDate(const DateTimeParts& p, const std::string& nlsFormat) {
    std::string upper;
    for (char c : nlsFormat)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string out;
    for (size_t i = 0; i < upper.size();) {
        if (StartsWith(upper, i, "YYYY")) {
            out += Digits(p.year, 4), i += 4;
        } else if (StartsWith(upper, i, "YY") || StartsWith(upper, i, "RR")) {
            out += Digits(p.year % 100, 2), i += 2;
        } else if (StartsWith(upper, i, "MON")) {
            out += kMonths[p.month - 1], i += 3;
        } else if (StartsWith(upper, i, "MM")) {
            out += Digits(p.month, 2), i += 2;
        } else if (StartsWith(upper, i, "DD")) {
            out += Digits(p.day, 2), i += 2;
        } else if (StartsWith(upper, i, "HH24")) {
            out += Digits(p.hour, 2), i += 4;
        } else if (StartsWith(upper, i, "HH")) {
            out += Digits(p.hour % 12 == 0 ? 12 : p.hour % 12, 2), i += 2;
        } else if (StartsWith(upper, i, "MI")) {
            out += Digits(p.minute, 2), i += 2;
        } else if (StartsWith(upper, i, "SS")) {
            out += Digits(p.second, 2), i += 2;
        } else {
            out += nlsFormat[i++];
        }
    }
    return out;
}

} // namespace ocisqlite
