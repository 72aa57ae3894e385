// Oracle's client-side DATE helpers on OCIDate, which need no server: checks, comparison, text with
// format models (Oracle's default DD-MON-YY without one), day and month arithmetic, last and next
// days, the system date. They share the SQL functions' date rules.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"
#include "platform/oci_sqlite/sql/OracleDate.h"

#include <cstring>

using namespace ocisqlite;
using orasql::DateTime;

namespace {

const char kDefaultFormat[] = "DD-MON-YY";

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year <= 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

uword Problems(const OCIDate& d) {
    uword bits = 0;
    const int year = d.OCIDateYYYY, month = d.OCIDateMM, day = d.OCIDateDD;
    if (year > 9999)
        bits |= OCI_DATE_INVALID_YEAR;
    else if (year < -4712)
        bits |= OCI_DATE_YEAR_BELOW_VALID;
    else if (year == 0)
        bits |= OCI_DATE_YEAR_ZERO;
    if (month > 12)
        bits |= OCI_DATE_INVALID_MONTH;
    else if (month < 1)
        bits |= OCI_DATE_MONTH_BELOW_VALID;
    if (day < 1)
        bits |= OCI_DATE_DAY_BELOW_VALID;
    else if (month >= 1 && month <= 12 && day > DaysInMonth(year, month))
        bits |= OCI_DATE_INVALID_DAY;
    else if (year == 1582 && month == 10 && day > 4 && day < 15)
        bits |= OCI_DATE_DAY_MISSING_FROM_1582;
    if (d.OCIDateTime.OCITimeHH > 23)
        bits |= OCI_DATE_INVALID_HOUR;
    if (d.OCIDateTime.OCITimeMI > 59)
        bits |= OCI_DATE_INVALID_MINUTE;
    if (d.OCIDateTime.OCITimeSS > 59)
        bits |= OCI_DATE_INVALID_SECOND;
    return bits;
}

DateTime Read(const OCIDate* date) {
    if (!date || Problems(*date) != 0)
        throw ora::InvalidDate();
    return DateTime{date->OCIDateYYYY,
                    date->OCIDateMM,
                    date->OCIDateDD,
                    date->OCIDateTime.OCITimeHH,
                    date->OCIDateTime.OCITimeMI,
                    date->OCIDateTime.OCITimeSS};
}

void Write(const DateTime& d, OCIDate* date) {
    if (!date)
        throw ora::InvalidDate();
    date->OCIDateYYYY = static_cast<sb2>(d.year);
    date->OCIDateMM = static_cast<ub1>(d.month);
    date->OCIDateDD = static_cast<ub1>(d.day);
    date->OCIDateTime = {static_cast<ub1>(d.hour), static_cast<ub1>(d.minute), static_cast<ub1>(d.second)};
}

std::string Format(const OraText* fmt, ub1 length) {
    return fmt && length ? std::string(reinterpret_cast<const char*>(fmt), length) : kDefaultFormat;
}

template <class Body> sword DateCall(OCIError* err, Body&& body) {
    return OciCall(err, [&] {
        body();
        return OCI_SUCCESS;
    });
}

} // namespace

extern "C" {

sword OCIDateAssign(OCIError* err, const OCIDate* from, OCIDate* to) {
    return DateCall(err, [&] {
        if (!from || !to)
            throw ora::InvalidDate();
        *to = *from;
    });
}

sword OCIDateCheck(OCIError* err, const OCIDate* date, uword* valid) {
    return DateCall(err, [&] {
        if (!date || !valid)
            throw ora::InvalidDate();
        *valid = Problems(*date);
    });
}

sword OCIDateCompare(OCIError* err, const OCIDate* date1, const OCIDate* date2, sword* result) {
    return DateCall(err, [&] {
        const std::string a = orasql::ToStoredText(Read(date1)), b = orasql::ToStoredText(Read(date2));
        if (!result)
            throw ora::InvalidDate();
        *result = a < b ? -1 : a > b ? 1 : 0;
    });
}

sword OCIDateFromText(OCIError* err, const OraText* date_str, ub4 d_str_length, const OraText* fmt,
                      ub1 fmt_length, const OraText*, ub4, OCIDate* date) {
    return DateCall(err, [&] {
        const std::string text =
            date_str ? std::string(reinterpret_cast<const char*>(date_str), d_str_length) : "";
        Write(orasql::ParseDate(text, Format(fmt, fmt_length)), date);
    });
}

// buf_size gives the buffer's size and receives the text's length.
sword OCIDateToText(OCIError* err, const OCIDate* date, const OraText* fmt, ub1 fmt_length, const OraText*,
                    ub4, ub4* buf_size, OraText* buf) {
    return DateCall(err, [&] {
        const std::string text = orasql::FormatDate(Read(date), Format(fmt, fmt_length));
        if (!buf_size || !buf || *buf_size < text.size())
            throw ora::Make(1801, "date format is too long for internal buffer");
        std::memcpy(buf, text.data(), text.size());
        if (*buf_size > text.size())
            buf[text.size()] = '\0';
        *buf_size = static_cast<ub4>(text.size());
    });
}

sword OCIDateAddDays(OCIError* err, const OCIDate* date, sb4 num_days, OCIDate* result) {
    return DateCall(err,
                    [&] { Write(orasql::AddDays(Read(date), orasql::Decimal::FromInt(num_days)), result); });
}

sword OCIDateAddMonths(OCIError* err, const OCIDate* date, sb4 num_months, OCIDate* result) {
    return DateCall(
        err, [&] { Write(orasql::AddMonths(Read(date), orasql::Decimal::FromInt(num_months)), result); });
}

// Whole days, the time of day left out of the count as Oracle's does.
sword OCIDateDaysBetween(OCIError* err, const OCIDate* date1, const OCIDate* date2, sb4* num_days) {
    return DateCall(err, [&] {
        const orasql::Decimal days =
            orasql::DaysBetween(orasql::TruncDate(Read(date1), "DD"), orasql::TruncDate(Read(date2), "DD"));
        if (!num_days)
            throw ora::InvalidDate();
        *num_days = static_cast<sb4>(days.ToInt64());
    });
}

sword OCIDateLastDay(OCIError* err, const OCIDate* date, OCIDate* last_day) {
    return DateCall(err, [&] { Write(orasql::LastDay(Read(date)), last_day); });
}

sword OCIDateNextDay(OCIError* err, const OCIDate* date, const OraText* day_p, ub4 day_length,
                     OCIDate* next_day) {
    return DateCall(err, [&] {
        const std::string day = day_p ? std::string(reinterpret_cast<const char*>(day_p), day_length) : "";
        Write(orasql::NextDay(Read(date), day), next_day);
    });
}

sword OCIDateSysDate(OCIError* err, OCIDate* sys_date) {
    return DateCall(err, [&] { Write(orasql::LocalNow(), sys_date); });
}

} // extern "C"
