// Day numbers from calendar dates and back, on the proleptic Gregorian calendar. Time of day is kept
// in milliseconds so that encoding and decoding a clock time gives the same clock time back.
#include "platform/settings/DateTime.h"

#include "platform/settings/Exceptions.h"

#include <cassert>
#include <cmath>
#include <ctime>

namespace {

constexpr long long MillisecondsPerDay = 86400000;

// Days since 01.03.0000 of a civil date; March-based years put the leap day at the end.
constexpr long long DaysFromCivil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400; // y >= 0 for the years we accept
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long long>(era) * 146097 + dayOfEra;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// constexpr, so dates encoded while other files initialise their constants are right too.
constexpr long long DayZero = DaysFromCivil(1899, 12, 30);

// The time of day of a value in whole milliseconds; before day 0 the fraction still counts forward.
long long TimeOfDayMilliseconds(TDateTime value) {
    const double fraction = std::fabs(value - std::trunc(value));
    const long long ms = std::llround(fraction * MillisecondsPerDay);
    return ms < MillisecondsPerDay ? ms : MillisecondsPerDay - 1;
}

} // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    assert(month >= 1 && month <= 12);
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

TDateTime EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        throw Exception("Invalid argument to date encode");
    return static_cast<TDateTime>(DaysFromCivil(year, month, day) - DayZero);
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    CivilFromDays(static_cast<long long>(std::trunc(value)) + DayZero, year, month, day);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        throw Exception("Invalid argument to time encode");
    const long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / MillisecondsPerDay;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
    long long ms = TimeOfDayMilliseconds(value);
    millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    second = static_cast<int>(ms % 60);
    ms /= 60;
    minute = static_cast<int>(ms % 60);
    hour = static_cast<int>(ms / 60);
}

TDateTime Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59,
                      static_cast<int>(now.tv_nsec / 1000000));
}

TDateTime Today() {
    return std::trunc(Now());
}
