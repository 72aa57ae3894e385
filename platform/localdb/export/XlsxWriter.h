// A spreadsheet file (.xlsx) written row by row in libxlsxwriter's constant-memory mode, so that
// 200,000 rows cost no more memory than one: real number cells in the column's scale with thousands
// separators, real date cells, a frozen heading row of field names, columns as wide as their values,
// subtotal and total rows in bold, and the title and subject in the document's properties. The file is whole
// once the export has finished; an export cancelled half-way keeps the rows written so far.
#pragma once

#include "platform/localdb/export/TableWriter.h"

#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

class TXlsxWriter : public TTableWriter {
public:
    TXlsxWriter(const std::string& fileName, const std::vector<TExportField>& fields,
                const std::string& title, const std::string& subject = {});
    ~TXlsxWriter() override;
    void Append(const TRecordBuffer& values) override;
    void AppendTotal(const TRecordBuffer& values) override;
    void Finish() override;

private:
    lxw_format* ColumnFormat(const TExportField& field, bool bold);
    void WriteRow(const TRecordBuffer& values, const std::vector<lxw_format*>& formats);
    void WriteCell(int column, const TVariant& value, lxw_format* format);

    std::string FFileName;
    std::vector<TExportField> FFields;
    lxw_workbook* FWorkbook = nullptr;
    lxw_worksheet* FSheet = nullptr;
    std::vector<lxw_format*> FFormats;     //!< one per column
    std::vector<lxw_format*> FBoldFormats; //!< the same for total rows
    unsigned FRow = 0;
};
