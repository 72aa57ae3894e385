// Calendar arithmetic on TDateTime, a day number as a double: days since 30.12.1899 (day 0), the
// fraction being the time of day. Conversions to and from text live in DateText.h.
#pragma once

using TDateTime = double;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Years 1..9999; an impossible date raises Exception.
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime value, int& year, int& month, int& day);

TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);

// Local wall-clock time; Today() has no time part.
TDateTime Now();
TDateTime Today();
