// A dBase III table written through shapelib's DBF interface, its text in Windows-1250 with the
// matching language-driver mark. Date-times and times, which the format lacks, are text columns.
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

    struct THandle; // shapelib's handle, whose type has no name to declare here
    std::unique_ptr<THandle> FHandle;
    std::vector<TExportField> FFields;
    int FRecords = 0;
};

//! The language-driver mark of Windows-1250 that DBFCreateEx writes ("LDID/200").
inline constexpr const char* DBaseCodePage1250 = "LDID/200";
