// The export settings of the process and their profile keys.
#include "platform/localdb/export/ExportSettings.h"

#include "platform/localdb/export/ExportText.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/IniFile.h"
#include "platform/settings/TextUtils.h"

namespace {

const char kSection[] = "IZVOZ";

char CsvCharacter(const std::string& key, const std::string& value) {
    if (UpperCase(value) == "TAB")
        return '\t';
    if (value.size() != 1 || value[0] == '"' || value[0] == '\r' || value[0] == '\n')
        throw Exception("Nastavitev " + key + " v razdelku " + kSection +
                        " mora biti en znak (ali TAB), ne narekovaj: '" + value + "'");
    return value[0];
}

} // namespace

TExportSettings& ExportSettings() {
    static TExportSettings settings;
    return settings;
}

std::string ReportSubject(TDateTime reportDay, int riskType) {
    return "Dan poročila " + DayMonthYearText(reportDay) + ", vrsta tveganja " + std::to_string(riskType);
}

void ReadExportSettings(const std::string& profileFile) {
    const TIniFile profile(profileFile);
    TExportSettings& settings = ExportSettings();
    settings.CsvSeparator = profile.ReadString(kSection, "CSV_LOCILO", settings.CsvSeparator);
    settings.CsvDecimalPoint = profile.ReadString(kSection, "CSV_DECIMALKA", settings.CsvDecimalPoint);
}

TCsvStyle CsvStyleOf(const TExportSettings& settings) {
    TCsvStyle style;
    style.Separator = CsvCharacter("CSV_LOCILO", settings.CsvSeparator);
    style.DecimalPoint = CsvCharacter("CSV_DECIMALKA", settings.CsvDecimalPoint);
    if (style.Separator == style.DecimalPoint)
        throw Exception(std::string("Ločilo CSV in decimalni znak v razdelku ") + kSection +
                        " morata biti različna: '" + settings.CsvSeparator + "'");
    return style;
}
