// A dBase III table written through shapelib's DBF interface, its text in Windows-1250 with the
// matching language-driver mark, dated the day of the export. Date-times that are whole days are
// D columns; other date-times and times, which the format lacks, are text columns. Empty numbers
// are blank.
#pragma once

#include "platform/localdb/export/TableWriter.h"

#include <memory>

class TDBaseWriter : public TTableWriter {
public:
    TDBaseWriter(const std::string& fileName, const std::vector<TExportField>& fields);
    ~TDBaseWriter() override;
    void Append(const TRecordBuffer& values) override;

private:
    void WriteValue(int record, int column, const TVariant& value);
    void WriteInteger(int record, int column, const TVariant& value);

    struct THandle; // shapelib's handle, whose type has no name to declare here
    std::unique_ptr<THandle> FHandle;
    std::vector<TExportField> FFields;
    int FRecords = 0;
};

//! The language-driver mark of Windows-1250 that DBFCreateEx writes ("LDID/200").
inline constexpr const char* DBaseCodePage1250 = "LDID/200";

//! Column names of at most ten characters, unique regardless of letter case: a name is cut to ten,
//! and a cut that an earlier column already took ends in "_1", "_2", … instead (DAT_STANJA and
//! DAT_STANJA_1 become DAT_STANJA and DAT_STAN_1). Names are in the file's code page.
std::vector<std::string> DBaseFieldNames(const std::vector<std::string>& names);
