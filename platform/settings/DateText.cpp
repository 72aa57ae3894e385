// Writes and reads dates by the locale's patterns. A pattern is a run of field letters (d, M, y, H,
// m, s) and literal characters; reading expects the literals where the pattern has them.
#include "platform/settings/DateText.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

struct TDateParts {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

bool IsFieldLetter(char c) {
    return c == 'd' || c == 'M' || c == 'y' || c == 'H' || c == 'm' || c == 's';
}

size_t RunLength(const std::string& pattern, size_t pos) {
    size_t end = pos;
    while (end < pattern.size() && pattern[end] == pattern[pos])
        ++end;
    return end - pos;
}

int FieldValue(const TDateParts& parts, char letter, size_t width) {
    switch (letter) {
    case 'd':
        return parts.Day;
    case 'M':
        return parts.Month;
    case 'y':
        return width <= 2 ? parts.Year % 100 : parts.Year;
    case 'H':
        return parts.Hour;
    case 'm':
        return parts.Minute;
    default:
        return parts.Second;
    }
}

std::string FormatByPattern(const std::string& pattern, const TDateParts& parts) {
    std::string out;
    for (size_t pos = 0; pos < pattern.size();) {
        const char c = pattern[pos];
        if (!IsFieldLetter(c)) {
            out += c;
            ++pos;
            continue;
        }
        const size_t width = RunLength(pattern, pos);
        const int minDigits = c == 'y' ? (width <= 2 ? 2 : 4) : (width >= 2 ? 2 : 1);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*d", minDigits, FieldValue(parts, c, width));
        out += buffer;
        pos += width;
    }
    return out;
}

TDateParts PartsOf(TDateTime value) {
    TDateParts parts;
    int millisecond = 0;
    DecodeDate(value, parts.Year, parts.Month, parts.Day);
    DecodeTime(value, parts.Hour, parts.Minute, parts.Second, millisecond);
    return parts;
}

// Two-digit years read as the nearest century around 2000, as the short date's two-digit form implies.
int ExpandYear(int year, size_t digits) {
    if (digits > 2)
        return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

// Reads text from pos by the pattern; returns false on any mismatch. Leaves pos after the last field.
bool ParseByPattern(const std::string& pattern, const std::string& text, size_t& pos, TDateParts& parts) {
    for (size_t p = 0; p < pattern.size();) {
        const char c = pattern[p];
        if (!IsFieldLetter(c)) {
            if (pos >= text.size() || text[pos] != c)
                return false;
            ++pos;
            ++p;
            continue;
        }
        const size_t maxDigits = c == 'y' ? 4 : 2;
        size_t digits = 0;
        int value = 0;
        while (pos < text.size() && digits < maxDigits &&
               std::isdigit(static_cast<unsigned char>(text[pos]))) {
            value = value * 10 + (text[pos++] - '0');
            ++digits;
        }
        if (digits == 0)
            return false;
        switch (c) {
        case 'd':
            parts.Day = value;
            break;
        case 'M':
            parts.Month = value;
            break;
        case 'y':
            parts.Year = ExpandYear(value, digits);
            break;
        case 'H':
            parts.Hour = value;
            break;
        case 'm':
            parts.Minute = value;
            break;
        default:
            parts.Second = value;
        }
        p += RunLength(pattern, p);
    }
    return true;
}

void SkipBlanks(const std::string& text, size_t& pos) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
}

bool IsValidDate(const TDateParts& parts) {
    return parts.Year >= 1 && parts.Year <= 9999 && parts.Month >= 1 && parts.Month <= 12 && parts.Day >= 1 &&
           parts.Day <= DaysInMonth(parts.Year, parts.Month);
}

bool IsValidTime(const TDateParts& parts) {
    return parts.Hour <= 23 && parts.Minute <= 59 && parts.Second <= 59;
}

// The date part of text; pos ends after it. Optional blanks around the date are allowed.
bool ReadDate(const std::string& text, size_t& pos, TDateParts& parts) {
    SkipBlanks(text, pos);
    return ParseByPattern(Locale().ShortDateFormat, text, pos, parts) && IsValidDate(parts);
}

TDateTime Compose(const TDateParts& parts) {
    return EncodeDate(parts.Year, parts.Month, parts.Day) +
           EncodeTime(parts.Hour, parts.Minute, parts.Second, 0);
}

} // namespace

std::string FormatShortDate(TDateTime value) {
    return FormatByPattern(Locale().ShortDateFormat, PartsOf(value));
}

std::string FormatLongTime(TDateTime value) {
    return FormatByPattern(Locale().LongTimeFormat, PartsOf(value));
}

std::string FormatDateTime(TDateTime value) {
    const TDateParts parts = PartsOf(value);
    std::string text = FormatByPattern(Locale().ShortDateFormat, parts);
    if (parts.Hour != 0 || parts.Minute != 0 || parts.Second != 0)
        text += " " + FormatByPattern(Locale().LongTimeFormat, parts);
    return text;
}

std::string FormatDayMonthYear(int day, int month, int year) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%2.2d.%2.2d.%4.4d", day, month, year);
    return buffer;
}

TDateTime ParseShortDate(const std::string& text) {
    TDateParts parts;
    size_t pos = 0;
    const bool read = ReadDate(text, pos, parts);
    SkipBlanks(text, pos);
    if (!read || pos != text.size())
        throw Exception("'" + text + "' is not a valid date");
    return Compose(parts);
}

TDateTime ParseDateTime(const std::string& text) {
    TDateParts parts;
    size_t pos = 0;
    bool read = ReadDate(text, pos, parts);
    SkipBlanks(text, pos);
    if (read && pos < text.size()) {
        const bool withSeconds = text.find(':', text.find(':', pos) + 1) != std::string::npos;
        read = ParseByPattern(withSeconds ? "H:m:s" : "H:m", text, pos, parts) && IsValidTime(parts);
        SkipBlanks(text, pos);
    }
    if (!read || pos != text.size())
        throw Exception("'" + text + "' is not a valid date and time");
    return Compose(parts);
}
