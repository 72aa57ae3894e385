// Date texts of the local engine and the rewriting of query literals.
#include "platform/localdb/temp/LocalDates.h"

#include <cstdio>
#include <regex>

namespace {

bool Encode(int year, int month, int day, int hour, int minute, int second, TDateTime& value) {
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    try {
        value = EncodeDate(year, month, day) + EncodeTime(hour, minute, second, 0);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// Reads "a<sep>b<sep>c" and an optional " HH:MM:SS" with the whole text used.
bool Scan(const std::string& text, const char* pattern, int& a, int& b, int& c, int& h, int& m, int& s) {
    int used = 0;
    h = m = s = 0;
    const int fields = std::sscanf(text.c_str(), pattern, &a, &b, &c, &used, &h, &m, &s, &used);
    return (fields == 3 || fields == 6) && static_cast<size_t>(used) == text.size();
}

} // namespace

bool StoredAsDateText(TFieldType type) {
    return type == TFieldType::ftDate || type == TFieldType::ftDateTime;
}

std::string StoredDateText(TFieldType type, TDateTime value) {
    int year, month, day, hour, minute, second, ms;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, ms);
    char text[32];
    if (type == TFieldType::ftDate)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute,
                      second);
    return text;
}

bool ParseDateText(const std::string& text, TDateTime& value) {
    int a, b, c, h, m, s;
    if (Scan(text, "%4d-%2d-%2d%n %2d:%2d:%2d%n", a, b, c, h, m, s))
        return Encode(a, b, c, h, m, s, value);
    if (Scan(text, "%2d/%2d/%4d%n %2d:%2d:%2d%n", a, b, c, h, m, s))
        return Encode(c, a, b, h, m, s, value);
    return false;
}

std::string WithStoredDateLiterals(const std::string& sql) {
    static const std::regex literal(R"('(\d\d)/(\d\d)/(\d\d\d\d)( \d\d:\d\d:\d\d)?')");
    return std::regex_replace(sql, literal, "'$3-$1-$2$4'");
}
