// The export loop over a dataset.
#include "platform/localdb/export/DataSetExport.h"

#include "platform/dataset/DataSetGuards.h"
#include "platform/localdb/export/ExportField.h"
#include "platform/localdb/export/ExportMeasure.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UiGuards.h"
#include "platform/ui/UserInterface.h"

#include <cctype>
#include <filesystem>

TExportFormat ExportFormatOfFilter(int filterIndex) {
    switch (filterIndex) {
    case 1:
        return TExportFormat::efDBase;
    case 2:
        return TExportFormat::efParadox;
    case 4:
        return TExportFormat::efCsv;
    case 5:
        return TExportFormat::efXlsx;
    default:
        return TExportFormat::efText;
    }
}

TExportFormat ExportFormatOfFile(const std::string& fileName) {
    std::string suffix = std::filesystem::path(fileName).extension().string();
    for (char& c : suffix)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (suffix == ".dbf")
        return TExportFormat::efDBase;
    if (suffix == ".db")
        return TExportFormat::efParadox;
    if (suffix == ".csv")
        return TExportFormat::efCsv;
    if (suffix == ".txt")
        return TExportFormat::efText;
    if (suffix == ".xlsx")
        return TExportFormat::efXlsx;
    throw Exception("Vrste izvoza za " + fileName + " ni: .csv, .xlsx, .dbf, .db ali .txt");
}

void ExportDataSetToFile(TDataSet& dataSet, const std::string& fileName, TExportFormat format,
                         const TTotalRowTest& isTotalRow) {
    TWaitCursor cursor;
    TProgressScope progress("Export", dataSet.RecordCount());
    TDataSetPositionGuard position(dataSet);
    TDisableControlsGuard controls(dataSet);
    std::vector<TExportField> fields = ExportFieldsOf(dataSet);
    // dBase lays its columns out by the values, a spreadsheet sizes and formats them so.
    if (format == TExportFormat::efDBase || format == TExportFormat::efXlsx)
        MeasureExportValues(dataSet, fields);
    const auto writer = CreateTableWriter(format, fileName, fields, dataSet.Name());
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        TRecordBuffer values;
        for (int i = 0; i < dataSet.FieldCount(); ++i)
            if (dataSet.Fields(i).Visible())
                values.push_back(ExportValueOf(dataSet.Fields(i)));
        if (isTotalRow && isTotalRow(dataSet))
            writer->AppendTotal(values);
        else
            writer->Append(values);
        progress.Step();
    }
    writer->Finish();
}

std::string ExportFileName(const std::string& chosen, TExportFormat format) {
    if (std::filesystem::path(chosen).has_extension())
        return chosen;
    switch (format) {
    case TExportFormat::efDBase:
        return chosen + ".dbf";
    case TExportFormat::efParadox:
        return chosen + ".db";
    case TExportFormat::efCsv:
        return chosen + ".csv";
    case TExportFormat::efXlsx:
        return chosen + ".xlsx";
    case TExportFormat::efText:
        break;
    }
    return chosen + ".txt";
}

bool MayWriteExportFile(const std::string& fileName) {
    // Asked for the name actually written: the save dialog only saw the name without its suffix.
    return !std::filesystem::exists(fileName) ||
           Ui().AskYesNo("Datoteka " + fileName + " že obstaja. Jo želite zamenjati?");
}
