// A file table being written record by record: dBase, Paradox, fixed-length text, CSV or XLSX. The file is
// created with its columns and is complete after every record, so an interrupted export keeps the
// records written so far.
#pragma once

#include "platform/dataset/Variant.h"
#include "platform/localdb/export/ExportField.h"

#include <memory>
#include <string>
#include <vector>

enum class TExportFormat { efDBase, efParadox, efText, efCsv, efXlsx };

class TTableWriter {
public:
    virtual ~TTableWriter() = default;
    //! Appends one record: one value per column, NULL allowed, in the column's native kind.
    virtual void Append(const TRecordBuffer& values) = 0;
    //! Appends a subtotal or total record: set apart where the format can (bold in XLSX).
    virtual void AppendTotal(const TRecordBuffer& values) { Append(values); }
    //! After the last record: a format that is whole only at its end (XLSX) is written out here.
    virtual void Finish() {}
};

//! Creates (replacing) the file and writes its column definitions; errors raise Exception. The title
//! goes where the format keeps one (the document properties of XLSX); CSV takes its style and XLSX
//! its subject from ExportSettings().
std::unique_ptr<TTableWriter> CreateTableWriter(TExportFormat format, const std::string& fileName,
                                                const std::vector<TExportField>& fields,
                                                const std::string& title = {});
