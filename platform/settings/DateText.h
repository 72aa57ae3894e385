// Dates as text: the locale's short date and long time, the fixed day.month.year form the run
// builds its statements with, and reading the locale's texts back into TDateTime.
#pragma once

#include "platform/settings/DateTime.h"

#include <string>

std::string FormatShortDate(TDateTime value);
std::string FormatLongTime(TDateTime value);
// Short date, followed by a blank and the long time only when the value has a time of day.
std::string FormatDateTime(TDateTime value);

// "%2.2d.%2.2d.%4.4d" of day, month and year, independent of the locale.
std::string FormatDayMonthYear(int day, int month, int year);
// The same of the value's calendar day.
std::string FormatDayMonthYear(TDateTime value);

// Raise Exception "'<text>' is not a valid date" (resp. "... date and time") when unreadable.
TDateTime ParseShortDate(const std::string& text);
// A short date, optionally followed by blanks and a time H:mm or H:mm:ss.
TDateTime ParseDateTime(const std::string& text);
