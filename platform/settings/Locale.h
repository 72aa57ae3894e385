// The one locale object of the process: date and time patterns and number separators that every
// date and number text of the program follows. Slovenian by default; tests assign it explicitly.
#pragma once

#include <string>

struct TLocale {
    std::string ShortDateFormat = "dd.MM.yyyy"; // d, dd, M, MM, yy, yyyy; anything else is literal
    std::string LongTimeFormat = "HH:mm:ss";    // H, HH, m, mm, s, ss; anything else is literal
    std::string DecimalSeparator = ",";
    std::string ThousandSeparator = ".";

    static TLocale Slovenian() { return TLocale{}; }
};

// The process-wide locale; all conversions below read it at the moment they run.
TLocale& Locale();
