// The copy of a grid's dataset into the grouping form's temporary table: the table's fields (a
// record counter "N" and the visible fields, those with a display-text handler as text of their
// display width, except "LOT", which keeps its type), their presentation, and the rows.
#pragma once

#include "platform/dataset/DataSet.h"
#include "platform/localdb/Table.h"

//! The field definitions of the temporary table for source.
void DefineLocalFields(const TDataSet& source, TFieldDefs& defs);
//! After the table is open: "N" shown 1 wide with tag 1; the others take label, width and
//! (numeric) display format from their source field.
void TakeSourcePresentation(const TDataSet& source, TDataSet& local);
//! Appends one row per source record under the progress "Copy to local table", in one transaction
//! of the local database; Cancel raises EAbort and leaves the table as it was. Controls of both
//! datasets are disabled meanwhile and the source's position restored.
void CopyToLocal(TDataSet& source, TTable& local);
//! Whether a field keeps its value in the copy although it has a display-text handler.
bool KeepsOwnValue(const TField& field);
