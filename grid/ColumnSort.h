// Sorting a grid's rows by one of its columns when the program gave it no sort orders: the sort
// dialog then offers the visible columns, and a picked column puts the dataset's records in the
// order of its values (numbers and dates by value, texts in Slovenian alphabetical order, empty
// values first).
#pragma once

#include <string>

class TDataSet;
class TSortInfo;

//! One item per visible field, in field order: captioned with its display label, its one column
//! named after the field.
void FillColumnSortOrders(const TDataSet& dataSet, TSortInfo& orders);
//! Puts the dataset's records in ascending order of the field's values; raises "Field 'X' not found".
void SortByField(TDataSet& dataSet, const std::string& fieldName);
