// Working days of the demo calendar (weekends and the two holidays every bank closes on) and month
// steps for coupon schedules; rates and index values are published on working days only.
#include "tools/demo_db/DemoParts.h"

#include <algorithm>
#include <cmath>

bool IsWorkingDay(TDateTime day) {
    // Day 0 (30.12.1899) was a Saturday.
    const int weekday = static_cast<int>(std::fmod(std::floor(day), 7.0));
    if (weekday == 0 || weekday == 1)
        return false;
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return !(month == 1 && dayOfMonth == 1) && !(month == 12 && dayOfMonth == 25);
}

TDateTime AddMonths(TDateTime day, int months) {
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    const int index = year * 12 + (month - 1) + months;
    const int newYear = index / 12, newMonth = index % 12 + 1;
    return EncodeDate(newYear, newMonth, std::min(dayOfMonth, DaysInMonth(newYear, newMonth)));
}
