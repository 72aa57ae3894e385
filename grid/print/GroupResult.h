// How the results of the sort and group queries are shown: group cells of total rows read as the
// total marker, the other cells in their field's format, captions and widths from the settings.
#pragma once

#include "grid/print/GroupSettings.h"

#include <string>

//! The display text of a group cell: the marker for a placeholder value, else the value.
std::string GroupText(const TField& field, const std::string& totalMarker);
//! Whether a group cell holds its type's placeholder.
bool IsPlaceholder(const TField& field);

//! The result column types of a query over the settings' columns (AVG gives a float).
TFieldDefs ResultColumnTypes(const TGroupSettings& settings);

//! Labels, widths, formats and the group text of a result's columns. marker is read each time a
//! group cell is shown, so that editing it changes the shown totals.
void FormatResult(TDataSet& result, const TGroupSettings& settings, bool groupQuery,
                  const std::string* marker);
