// Picks the writer of an export format.
#include "platform/localdb/export/TableWriter.h"

#include "platform/localdb/export/CsvWriter.h"
#include "platform/localdb/export/DBaseWriter.h"
#include "platform/localdb/export/FixedTextWriter.h"
#include "platform/localdb/export/ParadoxWriter.h"
#include "platform/localdb/export/XlsxWriter.h"

std::unique_ptr<TTableWriter> CreateTableWriter(TExportFormat format, const std::string& fileName,
                                                const std::vector<TExportField>& fields,
                                                const std::string& title) {
    switch (format) {
    case TExportFormat::efDBase:
        return std::make_unique<TDBaseWriter>(fileName, fields);
    case TExportFormat::efParadox:
        return std::make_unique<TParadoxWriter>(fileName, fields);
    case TExportFormat::efCsv:
        return std::make_unique<TCsvWriter>(fileName, fields, CsvStyleOf(ExportSettings()));
    case TExportFormat::efXlsx:
        return std::make_unique<TXlsxWriter>(fileName, fields, title, ExportSettings().Subject);
    case TExportFormat::efText:
        break;
    }
    return std::make_unique<TFixedTextWriter>(fileName, fields);
}
