// What every export of the process shares: the CSV separator and decimal point a user's spreadsheet
// expects (section IZVOZ of the program's profile), and the report day and risk type of the results
// shown, written into a spreadsheet's properties.
#pragma once

#include "platform/settings/DateTime.h"

#include <string>

struct TCsvStyle {
    char Separator = ';';
    char DecimalPoint = ',';
};

struct TExportSettings {
    std::string CsvSeparator = ";"; //!< one character, or TAB
    std::string CsvDecimalPoint = ",";
    std::string Subject; //!< e.g. the report day and risk type of the exported results
};

//! The process's settings: the program reads them from its profile at start and sets the subject
//! after every run.
TExportSettings& ExportSettings();

//! "Dan poročila DD.MM.YYYY, vrsta tveganja N": the subject of a day's exported results.
std::string ReportSubject(TDateTime reportDay, int riskType);

//! Keys CSV_LOCILO and CSV_DECIMALKA of section IZVOZ; a missing file or key keeps the default.
void ReadExportSettings(const std::string& profileFile);

//! The CSV style of the settings; raises Exception naming the key when a value cannot serve: not
//! one character, a quote, a line break, or the separator equal to the decimal point.
TCsvStyle CsvStyleOf(const TExportSettings& settings);
