// DATE texts and arithmetic. Parsing is as lenient as Oracle's: any punctuation separates fields,
// numbers may be shorter than their element, and trailing format elements may be left out.
#include "platform/oci_sqlite/sql/OracleDate.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <vector>

namespace orasql {
namespace {

const char* const kMonths[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                               "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days since 0001-01-01 of the proleptic Gregorian calendar.
int64_t DayNumber(int y, int m, int d) {
    const int64_t a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

DateTime FromDayNumber(int64_t jdn, int64_t secondsOfDay) {
    const int64_t a = jdn + 32044, b = (4 * a + 3) / 146097, c = a - 146097 * b / 4;
    const int64_t d = (4 * c + 3) / 1461, e = c - 1461 * d / 4, m = (5 * e + 2) / 153;
    DateTime t;
    t.day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    t.month = static_cast<int>(m + 3 - 12 * (m / 10));
    t.year = static_cast<int>(100 * b + d - 4800 + m / 10);
    t.hour = static_cast<int>(secondsOfDay / 3600);
    t.minute = static_cast<int>(secondsOfDay / 60 % 60);
    t.second = static_cast<int>(secondsOfDay % 60);
    return t;
}

int64_t TotalSeconds(const DateTime& d) {
    return DayNumber(d.year, d.month, d.day) * 86400 + d.hour * 3600 + d.minute * 60 + d.second;
}

DateTime FromTotalSeconds(int64_t s) {
    return FromDayNumber(s / 86400, s % 86400);
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The elements of a format model, longest first so that HH24 wins over HH and YYYY over YY.
const char* const kElements[] = {"MONTH", "HH24", "HH12", "YYYY", "RRRR", "MON", "YYY", "SSSSS", "DD", "MM",
                                 "YY",    "RR",   "HH",   "MI",   "SS",   "AM",  "PM",  "FM",    "D",  "Y"};

struct FormatItem {
    std::string element; // empty for literal text
    std::string literal;
};

std::vector<FormatItem> SplitFormat(std::string_view format) {
    std::vector<FormatItem> items;
    const std::string upper = Upper(format);
    for (size_t i = 0; i < upper.size();) {
        if (upper[i] == '"') {
            size_t end = upper.find('"', i + 1);
            if (end == std::string::npos)
                end = upper.size();
            items.push_back({"", std::string(format.substr(i + 1, end - i - 1))});
            i = end + 1;
            continue;
        }
        bool matched = false;
        for (const char* e : kElements) {
            const std::string_view ev(e);
            if (upper.compare(i, ev.size(), ev) == 0) {
                items.push_back({std::string(ev), ""});
                i += ev.size();
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        if (std::isalnum(static_cast<unsigned char>(upper[i])))
            ThrowOracleError(1821, "date format not recognized");
        items.push_back({"", std::string(1, format[i])});
        ++i;
    }
    return items;
}

class DateReader {
public:
    explicit DateReader(std::string_view text) : text_(text) {}

    DateTime Read(const std::vector<FormatItem>& items) {
        const DateTime today = LocalNow();
        int year = today.year, month = today.month, day = 1;
        int hour = 0, minute = 0, second = 0;
        bool pm = false, twelveHour = false;
        for (const FormatItem& item : items) {
            if (item.element.empty()) {
                SkipSeparators(item.literal);
                continue;
            }
            if (item.element == "FM")
                continue;
            SkipBlanks();
            if (pos_ >= text_.size())
                break; // trailing elements may be left out
            const std::string& e = item.element;
            if (e == "YYYY" || e == "RRRR")
                year = Number(4);
            else if (e == "YYY")
                year = today.year / 1000 * 1000 + Number(3);
            else if (e == "YY")
                year = today.year / 100 * 100 + Number(2);
            else if (e == "RR") {
                const size_t start = pos_;
                const int v = Number(4);
                year = pos_ - start > 2 ? v : (v < 50 ? 2000 + v : 1900 + v);
            } else if (e == "Y")
                year = today.year / 10 * 10 + Number(1);
            else if (e == "MM")
                month = CheckedMonth(Number(2));
            else if (e == "MON" || e == "MONTH")
                month = MonthName();
            else if (e == "DD")
                day = Number(2);
            else if (e == "HH24")
                hour = Number(2);
            else if (e == "HH" || e == "HH12") {
                hour = Number(2);
                twelveHour = true;
            } else if (e == "MI")
                minute = Number(2);
            else if (e == "SS")
                second = Number(2);
            else if (e == "AM" || e == "PM")
                pm = Meridian();
            else
                ThrowOracleError(1821, "date format not recognized");
        }
        SkipBlanks();
        if (pos_ < text_.size())
            ThrowOracleError(1830, "date format picture ends before converting entire input string");
        if (twelveHour) {
            if (hour < 1 || hour > 12)
                ThrowOracleError(1849, "hour must be between 1 and 12");
            hour = hour % 12 + (pm ? 12 : 0);
        }
        return Checked(year, month, day, hour, minute, second);
    }

private:
    static DateTime Checked(int year, int month, int day, int hour, int minute, int second) {
        if (year == 0 || year > 9999)
            ThrowOracleError(1841, "(full) year must be between -4713 and +9999, and not be 0");
        if (day < 1 || day > 31)
            ThrowOracleError(1847, "day of month must be between 1 and last day of month");
        if (day > DaysInMonth(year, month))
            ThrowOracleError(1839, "date not valid for month specified");
        if (hour > 23)
            ThrowOracleError(1850, "hour must be between 0 and 23");
        if (minute > 59)
            ThrowOracleError(1851, "minutes must be between 0 and 59");
        if (second > 59)
            ThrowOracleError(1852, "seconds must be between 0 and 59");
        return DateTime{year, month, day, hour, minute, second};
    }

    static int CheckedMonth(int m) {
        if (m < 1 || m > 12)
            ThrowOracleError(1843, "not a valid month");
        return m;
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    void SkipSeparators(const std::string& literal) {
        if (literal.size() > 1 || std::isalnum(static_cast<unsigned char>(literal[0]))) {
            if (text_.substr(pos_, literal.size()) != literal && pos_ < text_.size())
                ThrowOracleError(1861, "literal does not match format string");
            pos_ += std::min(literal.size(), text_.size() - pos_);
            return;
        }
        // Oracle lets any punctuation stand for any other.
        while (pos_ < text_.size() && !std::isalnum(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }

    int Number(int maxDigits) {
        int value = 0, n = 0;
        while (n < maxDigits && pos_ < text_.size() &&
               std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value = value * 10 + (text_[pos_++] - '0');
            ++n;
        }
        if (n == 0)
            ThrowOracleError(1858, "a non-numeric character was found where a numeric was expected");
        return value;
    }

    int MonthName() {
        const std::string rest = Upper(text_.substr(pos_));
        for (int m = 0; m < 12; ++m) {
            const std::string full = kMonths[m];
            if (rest.compare(0, full.size(), full) == 0) {
                pos_ += full.size();
                return m + 1;
            }
            if (rest.compare(0, 3, full.substr(0, 3)) == 0) {
                pos_ += 3;
                return m + 1;
            }
        }
        ThrowOracleError(1843, "not a valid month");
    }

    bool Meridian() {
        const std::string rest = Upper(text_.substr(pos_, 2));
        if (rest != "AM" && rest != "PM")
            ThrowOracleError(1855, "AM/A.M. or PM/P.M. required");
        pos_ += 2;
        return rest == "PM";
    }

    std::string_view text_;
    size_t pos_ = 0;
};

std::string TwoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

} // namespace

std::optional<DateTime> ParseStoredDate(std::string_view t) {
    auto digits = [&](size_t from, size_t n) {
        int v = 0;
        for (size_t i = from; i < from + n; ++i) {
            if (i >= t.size() || !std::isdigit(static_cast<unsigned char>(t[i])))
                return -1;
            v = v * 10 + (t[i] - '0');
        }
        return v;
    };
    if ((t.size() != 10 && t.size() != 19) || t[4] != '-' || t[7] != '-')
        return std::nullopt;
    DateTime d{digits(0, 4), digits(5, 2), digits(8, 2), 0, 0, 0};
    if (t.size() == 19) {
        if (t[10] != ' ' || t[13] != ':' || t[16] != ':')
            return std::nullopt;
        d.hour = digits(11, 2);
        d.minute = digits(14, 2);
        d.second = digits(17, 2);
    }
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysInMonth(d.year, d.month) ||
        d.hour < 0 || d.hour > 23 || d.minute < 0 || d.minute > 59 || d.second < 0 || d.second > 59)
        return std::nullopt;
    return d;
}

std::string ToStoredText(const DateTime& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute,
                  d.second);
    return buf;
}

DateTime ParseDate(std::string_view text, std::string_view format) {
    return DateReader(text).Read(SplitFormat(format));
}

std::string FormatDate(const DateTime& d, std::string_view format) {
    std::string out;
    bool fill = true;
    for (const FormatItem& item : SplitFormat(format)) {
        const std::string& e = item.element;
        auto num = [&](int v) { out += fill ? TwoDigits(v) : std::to_string(v); };
        if (e.empty())
            out += item.literal;
        else if (e == "FM")
            fill = !fill;
        else if (e == "YYYY" || e == "RRRR") {
            char buf[8];
            std::snprintf(buf, sizeof buf, fill ? "%04d" : "%d", d.year);
            out += buf;
        } else if (e == "YYY")
            out += std::to_string(d.year % 1000);
        else if (e == "YY" || e == "RR")
            out += TwoDigits(d.year % 100);
        else if (e == "Y")
            out += std::to_string(d.year % 10);
        else if (e == "MM")
            num(d.month);
        else if (e == "MON")
            out += std::string(kMonths[d.month - 1]).substr(0, 3);
        else if (e == "MONTH")
            out += kMonths[d.month - 1];
        else if (e == "DD")
            num(d.day);
        else if (e == "D")
            out += std::to_string((DayNumber(d.year, d.month, d.day) + 1) % 7 + 1);
        else if (e == "HH24")
            num(d.hour);
        else if (e == "HH" || e == "HH12")
            num(d.hour % 12 == 0 ? 12 : d.hour % 12);
        else if (e == "MI")
            num(d.minute);
        else if (e == "SS")
            num(d.second);
        else if (e == "SSSSS")
            out += std::to_string(d.hour * 3600 + d.minute * 60 + d.second);
        else if (e == "AM" || e == "PM")
            out += d.hour < 12 ? "AM" : "PM";
    }
    return out;
}

DateTime ReadSessionDate(std::string_view text, std::string_view nlsFormat) {
    if (auto stored = ParseStoredDate(text))
        return *stored;
    try {
        return ParseDate(text, nlsFormat);
    } catch (const OracleError& e) {
        // Only a time part after a blank may follow the date the format describes.
        if (e.code() != 1830 || text.find(' ') == std::string_view::npos)
            throw;
        return ParseDate(text, std::string(nlsFormat) + " HH24:MI:SS");
    }
}

DateTime AddDays(const DateTime& d, const Decimal& days) {
    // Beyond 10,000 years either way no DATE can result; the check also keeps the sum in range.
    if (days.IntegerDigits() > 7)
        ThrowOracleError(1841, "(full) year must be between -4713 and +9999, and not be 0");
    const Decimal seconds = (days * Decimal::FromInt(86400)).Round(0);
    const DateTime result = FromTotalSeconds(TotalSeconds(d) + seconds.ToInt64());
    if (result.year < 1 || result.year > 9999)
        ThrowOracleError(1841, "(full) year must be between -4713 and +9999, and not be 0");
    return result;
}

Decimal DaysBetween(const DateTime& later, const DateTime& earlier) {
    return Decimal::FromInt(TotalSeconds(later) - TotalSeconds(earlier)) / Decimal::FromInt(86400);
}

DateTime TruncDate(const DateTime& d, std::string_view unit) {
    const std::string u = Upper(unit);
    if (u == "" || u == "DD" || u == "DDD" || u == "J")
        return DateTime{d.year, d.month, d.day, 0, 0, 0};
    if (u == "MM" || u == "MON" || u == "MONTH")
        return DateTime{d.year, d.month, 1, 0, 0, 0};
    if (u == "YYYY" || u == "YY" || u == "YEAR" || u == "RRRR" || u == "RR")
        return DateTime{d.year, 1, 1, 0, 0, 0};
    if (u == "HH" || u == "HH24")
        return DateTime{d.year, d.month, d.day, d.hour, 0, 0};
    if (u == "MI")
        return DateTime{d.year, d.month, d.day, d.hour, d.minute, 0};
    ThrowOracleError(1898, "too many precision specifiers");
}

DateTime RoundDate(const DateTime& d, std::string_view unit) {
    const std::string u = Upper(unit);
    const DateTime t = TruncDate(d, u);
    if (u == "" || u == "DD" || u == "DDD" || u == "J")
        return d.hour >= 12 ? AddDays(t, Decimal::FromInt(1)) : t;
    if (u == "MM" || u == "MON" || u == "MONTH")
        return d.day >= 16 ? (d.month == 12 ? DateTime{d.year + 1, 1, 1} : DateTime{d.year, d.month + 1, 1})
                           : t;
    if (u == "YYYY" || u == "YY" || u == "YEAR" || u == "RRRR" || u == "RR")
        return d.month >= 7 ? DateTime{d.year + 1, 1, 1} : t;
    if (u == "HH" || u == "HH24")
        return d.minute >= 30 ? FromTotalSeconds(TotalSeconds(t) + 3600) : t;
    return d.second >= 30 ? FromTotalSeconds(TotalSeconds(t) + 60) : t;
}

DateTime AddMonths(const DateTime& d, const Decimal& months) {
    const int64_t total = d.year * int64_t{12} + (d.month - 1) + months.ToInt64Clamped();
    if (total < 12 || total >= 10000 * int64_t{12})
        ThrowOracleError(1841, "(full) year must be between -4713 and +9999, and not be 0");
    DateTime result = d;
    result.year = static_cast<int>(total / 12);
    result.month = static_cast<int>(total % 12) + 1;
    const int last = DaysInMonth(result.year, result.month);
    // The last day of a month stays the last day; a day the shorter month lacks becomes its last.
    if (d.day == DaysInMonth(d.year, d.month) || d.day > last)
        result.day = last;
    return result;
}

Decimal MonthsBetween(const DateTime& later, const DateTime& earlier) {
    const int64_t months = (later.year - earlier.year) * int64_t{12} + later.month - earlier.month;
    const bool bothLast = later.day == DaysInMonth(later.year, later.month) &&
                          earlier.day == DaysInMonth(earlier.year, earlier.month);
    if (later.day == earlier.day || bothLast)
        return Decimal::FromInt(months);
    // Otherwise the rest counts in months of 31 days, time of day included.
    const auto secondsOfDay = [](const DateTime& t) { return t.hour * 3600 + t.minute * 60 + t.second; };
    const int64_t seconds = (months * 31 + later.day - earlier.day) * int64_t{86400} + secondsOfDay(later) -
                            secondsOfDay(earlier);
    return Decimal::FromInt(seconds) / Decimal::FromInt(31 * 86400);
}

DateTime LastDay(const DateTime& d) {
    DateTime result = d;
    result.day = DaysInMonth(d.year, d.month);
    return result;
}

DateTime NextDay(const DateTime& d, std::string_view weekday) {
    static const char* const kDays[] = {"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                                        "THURSDAY", "FRIDAY", "SATURDAY"};
    std::string name = Upper(weekday);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    for (int target = 0; target < 7; ++target) {
        const std::string full = kDays[target];
        if (name.size() < 3 || full.compare(0, name.size(), name) != 0)
            continue;
        const int today = static_cast<int>((DayNumber(d.year, d.month, d.day) + 1) % 7); // 0 = Sunday
        const int ahead = (target - today + 6) % 7 + 1;
        return FromTotalSeconds(TotalSeconds(d) + ahead * int64_t{86400});
    }
    ThrowOracleError(1846, "not a valid day of the week");
}

DateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace orasql
