// A fixed-length text table in UTF-8: one record per line, every field at its own offset and
// width (counted in characters), blank-padded; beside it a schema file (same name, extension
// .sch) that describes the columns so that readers of such files can load it.
#pragma once

#include "platform/localdb/export/TableWriter.h"

#include <fstream>

//! How one field is laid out in a line.
struct TFixedColumn {
    std::string Type; //!< CHAR, FLOAT, NUMBER, DATE, TIME, TIMESTAMP, LONGINT, SHORTINT
    int Width;
    int Decimals;
};

TFixedColumn FixedColumnOf(const TExportField& field);
//! The schema text: a section named after the table, then one FieldN line per field.
std::string SchemaText(const std::string& tableName, const std::vector<TExportField>& fields);
//! The file name with its extension replaced by ".sch".
std::string SchemaFileName(const std::string& fileName);

class TFixedTextWriter : public TTableWriter {
public:
    TFixedTextWriter(const std::string& fileName, const std::vector<TExportField>& fields);
    void Append(const TRecordBuffer& values) override;

private:
    std::ofstream FFile;
    std::vector<TExportField> FFields;
};
