// One key per day, named by the day in year-month-day order so that the file lists them in order.
#include "app/qt/CheckMemory.h"

#include "platform/ui_qt/UserSettings.h"

#include <QString>

namespace {

QString DayKey(TDateTime reportDay) {
    int year = 0, month = 0, day = 0;
    DecodeDate(reportDay, year, month, day);
    return QString("preverjanje/%1-%2-%3")
        .arg(year, 4, 10, QChar('0'))
        .arg(month, 2, 10, QChar('0'))
        .arg(day, 2, 10, QChar('0'));
}

} // namespace

void RememberCheck(TDateTime reportDay, bool stops) {
    QSettings& settings = UserSettings();
    settings.setValue(DayKey(reportDay), stops ? "ustavi" : "ne ustavi");
    settings.sync();
}

bool LastCheckStops(TDateTime reportDay) {
    return UserSettings().value(DayKey(reportDay)).toString() == "ustavi";
}
