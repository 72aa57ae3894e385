// How the program's own reports (journal, reconciliation, comparison) show their numbers: amounts
// with thousands separators and the decimals their column holds, and every column as wide as its
// widest value or its title, so nothing is cut when the report is first shown.
#pragma once

class TDataSet;

//! Sets display formats and widths from the open dataset's values; the position is kept.
void ShowAmounts(TDataSet& dataSet);
