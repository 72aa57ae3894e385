// Fixed date and time texts of the export files.
#include "platform/localdb/export/ExportText.h"

#include <cstdio>

namespace {

struct TParts {
    int Year, Month, Day, Hour, Minute, Second, Millisecond;
};

TParts Decode(TDateTime value) {
    TParts p{};
    DecodeDate(value, p.Year, p.Month, p.Day);
    DecodeTime(value, p.Hour, p.Minute, p.Second, p.Millisecond);
    return p;
}

template <typename... Args> std::string Print(const char* pattern, Args... args) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

} // namespace

std::string DateStampText(TDateTime value) {
    const TParts p = Decode(value);
    return Print("%04d%02d%02d", p.Year, p.Month, p.Day);
}

std::string DayMonthYearText(TDateTime value) {
    const TParts p = Decode(value);
    return Print("%02d.%02d.%04d", p.Day, p.Month, p.Year);
}

std::string TimeOfDayText(TDateTime value) {
    const TParts p = Decode(value);
    return Print("%02d:%02d:%02d", p.Hour, p.Minute, p.Second);
}

std::string TimestampText(TDateTime value) {
    const TParts p = Decode(value);
    return Print("%04d-%02d-%02d %02d:%02d:%02d", p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second);
}
