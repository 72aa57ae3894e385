// Writes and reads dates by the locale's patterns. A pattern is runs of field letters (y, M, d, H,
// m, s) and literal characters; reading expects the literals where the pattern has them.
#include "platform/settings/DateText.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view FieldLetters = "yMdHms";

// Calendar and clock fields in the order of FieldLetters.
struct TDateParts {
    std::array<int, 6> Values{};
    int& operator[](char letter) { return Values[FieldLetters.find(letter)]; }
    int operator[](char letter) const { return Values[FieldLetters.find(letter)]; }
};

bool IsFieldLetter(char c) {
    return FieldLetters.find(c) != std::string_view::npos;
}

size_t RunLength(const std::string& pattern, size_t pos) {
    size_t end = pos;
    while (end < pattern.size() && pattern[end] == pattern[pos])
        ++end;
    return end - pos;
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
        const bool shortYear = c == 'y' && width <= 2;
        const int minDigits = c == 'y' ? (shortYear ? 2 : 4) : (width >= 2 ? 2 : 1);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*d", minDigits, shortYear ? parts[c] % 100 : parts[c]);
        out += buffer;
        pos += width;
    }
    return out;
}

TDateParts PartsOf(TDateTime value) {
    TDateParts parts;
    int millisecond = 0;
    DecodeDate(value, parts['y'], parts['M'], parts['d']);
    DecodeTime(value, parts['H'], parts['m'], parts['s'], millisecond);
    return parts;
}

// A two-digit year means the one nearest to 2000: 00..49 -> 20xx, 50..99 -> 19xx.
int ExpandYear(int year, size_t digits) {
    if (digits > 2)
        return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

// Reads text from pos by the pattern; false on any mismatch. Fields take one or two digits (years up
// to four), so "5.3.2023" reads like "05.03.2023". Leaves pos after the last character read.
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
        parts[c] = c == 'y' ? ExpandYear(value, digits) : value;
        p += RunLength(pattern, p);
    }
    return true;
}

void SkipBlanks(const std::string& text, size_t& pos) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
}

bool IsValidDate(const TDateParts& parts) {
    return parts['y'] >= 1 && parts['y'] <= 9999 && parts['M'] >= 1 && parts['M'] <= 12 && parts['d'] >= 1 &&
           parts['d'] <= DaysInMonth(parts['y'], parts['M']);
}

bool IsValidTime(const TDateParts& parts) {
    return parts['H'] <= 23 && parts['m'] <= 59 && parts['s'] <= 59;
}

// The date at the start of text, after optional blanks; pos ends after it.
bool ReadDate(const std::string& text, size_t& pos, TDateParts& parts) {
    SkipBlanks(text, pos);
    return ParseByPattern(Locale().ShortDateFormat, text, pos, parts) && IsValidDate(parts);
}

TDateTime Compose(const TDateParts& parts) {
    return EncodeDate(parts['y'], parts['M'], parts['d']) + EncodeTime(parts['H'], parts['m'], parts['s'], 0);
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
    if (parts['H'] != 0 || parts['m'] != 0 || parts['s'] != 0)
        text += " " + FormatByPattern(Locale().LongTimeFormat, parts);
    return text;
}

std::string FormatDayMonthYear(int day, int month, int year) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%2.2d.%2.2d.%4.4d", day, month, year);
    return buffer;
}

std::string FormatDayMonthYear(TDateTime value) {
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    return FormatDayMonthYear(day, month, year);
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
        const size_t firstColon = text.find(':', pos);
        const bool withSeconds =
            firstColon != std::string::npos && text.find(':', firstColon + 1) != std::string::npos;
        read = ParseByPattern(withSeconds ? "H:m:s" : "H:m", text, pos, parts) && IsValidTime(parts);
        SkipBlanks(text, pos);
    }
    if (!read || pos != text.size())
        throw Exception("'" + text + "' is not a valid date and time");
    return Compose(parts);
}
