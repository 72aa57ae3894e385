// Oracle DATE semantics over the stored text form 'YYYY-MM-DD HH:MM:SS': reading and writing
// texts with format models (DD, MM, YYYY, YY, RR, HH24, MI, SS, ...), day arithmetic, rounding
// and truncation. Bad input raises OracleError with the ORA-018xx code Oracle gives for it.
#pragma once

#include "platform/oci_sqlite/sql/Decimal.h"

#include <optional>
#include <string>
#include <string_view>

namespace orasql {

struct DateTime {
    int year = 1, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The stored form; a bare 'YYYY-MM-DD' is read as midnight.
std::optional<DateTime> ParseStoredDate(std::string_view text);
// The length of the stored form with its time, which ToStoredText gives: "YYYY-MM-DD HH:MI:SS".
inline constexpr std::size_t kStoredDateTimeLength = 19;
std::string ToStoredText(const DateTime& d);

DateTime ParseDate(std::string_view text, std::string_view format);
std::string FormatDate(const DateTime& d, std::string_view format);

// A date text as a session reads it: the stored form, else the session's format, and a time part
// after the format's date (the DD.MM.YYYY HH24:MI:SS habit of day texts with a time).
DateTime ReadSessionDate(std::string_view text, std::string_view nlsFormat);

DateTime AddDays(const DateTime& d, const Decimal& days);
Decimal DaysBetween(const DateTime& later, const DateTime& earlier);
DateTime TruncDate(const DateTime& d, std::string_view unit);
DateTime RoundDate(const DateTime& d, std::string_view unit);
// ADD_MONTHS: the month's last day stays the last day, and a day the target month lacks becomes its last.
DateTime AddMonths(const DateTime& d, const Decimal& months);
Decimal MonthsBetween(const DateTime& later, const DateTime& earlier);
DateTime LastDay(const DateTime& d);
// The first later date that falls on the named weekday (English name or its first three letters or more).
DateTime NextDay(const DateTime& d, std::string_view weekday);
DateTime LocalNow();

} // namespace orasql
