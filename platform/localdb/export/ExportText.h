// Date and time texts the export files carry, independent of the locale, so that their readers
// need no configuration.
#pragma once

#include "platform/settings/DateTime.h"

#include <string>

//! "YYYYMMDD", the dBase date form.
std::string DateStampText(TDateTime value);
//! "DD.MM.YYYY".
std::string DayMonthYearText(TDateTime value);
//! "HH:MM:SS".
std::string TimeOfDayText(TDateTime value);
//! "YYYY-MM-DD HH:MM:SS".
std::string TimestampText(TDateTime value);
