// The columns of an export file: what each visible field of a dataset becomes (name, type, width)
// and the value it writes. A field with a display-text handler is exported as the text it shows.
#pragma once

#include "platform/dataset/DataSet.h"

#include <cstdint>
#include <string>
#include <vector>

//! One column of an export file.
struct TExportField {
    std::string Name;
    TFieldType DataType;
    int Size = 0; //!< characters of a text column
    // What the values need, measured before a dBase file is laid out (ExportMeasure.h).
    int Digits = 1;         //!< characters before the decimal point, a minus sign included
    int Decimals = 0;       //!< decimals of the most precise value, as the grid shows it
    bool WholeDays = false; //!< every date-time value is a whole day
};

//! The columns for the visible fields of an open dataset, in field order.
std::vector<TExportField> ExportFieldsOf(const TDataSet& dataSet);
//! The value a visible field writes for the current record: its display text when it has a
//! display-text handler, else its value.
TVariant ExportValueOf(const TField& field);
//! An integer value checked against the range its file's column holds: a value outside it is an
//! error naming the field and the value, never a wrapped number.
std::int64_t ExportIntegerOf(const TExportField& field, const TVariant& value, std::int64_t lowest,
                             std::int64_t highest);
