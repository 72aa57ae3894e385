// Binding real days instead of texts keeps the stored day independent of the session's date format.
#include "app/DateColumn.h"

#include "platform/settings/DateText.h"

#include <cmath>

std::string DayText(const TField& field) {
    return field.IsNull() ? std::string() : FormatShortDate(std::trunc(field.AsDateTime()));
}

void SetDateColumn(TField& field, const std::string& dayText) {
    const TDateTime day = dayText.empty() ? 0 : ParseShortDate(dayText);
    if (day == 0)
        field.Clear();
    else
        field.SetAsDateTime(day);
}
