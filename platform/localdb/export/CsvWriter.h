// A CSV file as a Slovenian spreadsheet opens it directly: UTF-8 with a byte-order mark, ';' between
// fields and ',' before decimals by default (the profile may choose others), a heading line of field names,
// texts quoted with their quotes doubled, numbers without thousands separators, days as DD.MM.YYYY.
#pragma once

#include "platform/localdb/export/ExportSettings.h"
#include "platform/localdb/export/TableWriter.h"

#include <fstream>

class TCsvWriter : public TTableWriter {
public:
    TCsvWriter(const std::string& fileName, const std::vector<TExportField>& fields, TCsvStyle style = {});
    void Append(const TRecordBuffer& values) override;

private:
    void WriteLine(const std::vector<std::string>& cells);
    std::string CellOf(const TExportField& field, const TVariant& value) const;

    std::ofstream FFile;
    std::vector<TExportField> FFields;
    TCsvStyle FStyle;
};
