// The sizes a dBase file's columns need, read from the values: a number column as wide as its
// widest value with the decimals of its most precise one, and a date-time column that holds only
// whole days kept as a date.
#pragma once

#include "platform/localdb/export/ExportField.h"

//! Measures the values of every record; fields are the dataset's export columns (ExportFieldsOf).
void MeasureExportValues(TDataSet& dataSet, std::vector<TExportField>& fields);
//! The number as the grid shows it, 15 significant digits, in fixed notation with a point.
std::string ExportNumberText(double value, int decimals);
