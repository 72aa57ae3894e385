// The data types a field can have and the groups of them that conversions, alignment and the
// views (grids, printing, grouping) ask about.
#pragma once

//! The data type of a field; decides how its value is stored and converted.
enum class TFieldType {
    ftString,     //!< text up to Size bytes, cut at a whole character
    ftFixedChar,  //!< blank-padded text of Size bytes
    ftWideString, //!< national-character text up to Size bytes
    ftSmallint,   //!< 16-bit integer
    ftInteger,    //!< 64-bit integer (ids and counts may pass 2^31)
    ftFloat,      //!< double
    ftCurrency,   //!< double shown as money
    ftDate,       //!< TDateTime, date part only
    ftTime,       //!< TDateTime, time part only
    ftDateTime,   //!< TDateTime
    ftMemo,       //!< text of any length
    ftBlob,       //!< bytes of any length
};

//! Stored as text: string, fixed char, wide string, memo.
bool IsTextType(TFieldType type);
//! Small integer or integer.
bool IsIntegerType(TFieldType type);
//! Float or currency.
bool IsFloatType(TFieldType type);
//! Integer or float types: right-aligned, formatted through a numeric display format.
bool IsNumericType(TFieldType type);
//! Date, time or date-time.
bool IsDateTimeType(TFieldType type);
