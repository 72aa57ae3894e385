// Writing a dataset's visible fields into an export file, record by record from the first, under
// the progress window "Export". Cancel stops it silently and keeps the records written so far;
// the dataset's position and controls are restored on every path.
#pragma once

#include "platform/dataset/DataSet.h"
#include "platform/localdb/export/TableWriter.h"

#include <functional>
#include <string>

//! The format of a save-dialog filter (1-based): 1 dBase, 2 Paradox, 4 CSV, 5 XLSX, any other
//! fixed-length text.
TExportFormat ExportFormatOfFilter(int filterIndex);

//! The format a file's suffix names: .dbf, .db, .csv, .xlsx, .txt; any other raises Exception.
TExportFormat ExportFormatOfFile(const std::string& fileName);

//! Whether the dataset's current record is a subtotal or total row (a grouped report's).
using TTotalRowTest = std::function<bool(const TDataSet&)>;

void ExportDataSetToFile(TDataSet& dataSet, const std::string& fileName, TExportFormat format,
                         const TTotalRowTest& isTotalRow = {});

//! The file an export writes: the chosen name, with the format's suffix (".dbf", ".db", ".txt")
//! added when it has none (".csv" for CSV, ".xlsx" for XLSX).
std::string ExportFileName(const std::string& chosen, TExportFormat format);
//! Whether the export may write fileName: yes when no such file exists, else the user's answer to
//! "Datoteka <name> že obstaja. Jo želite zamenjati?".
bool MayWriteExportFile(const std::string& fileName);
