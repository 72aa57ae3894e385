// A Paradox table written through pxlib, its text in Windows-1250 with the code page recorded in
// the header. Memo and blob fields, which would need a separate blob file, are text columns.
#pragma once

#include "platform/localdb/export/TableWriter.h"

struct px_doc;

class TParadoxWriter : public TTableWriter {
public:
    TParadoxWriter(const std::string& fileName, const std::vector<TExportField>& fields);
    ~TParadoxWriter() override;
    void Append(const TRecordBuffer& values) override;

private:
    px_doc* FDoc;
    std::vector<TExportField> FFields;
};

//! Paradox's day number (1 = 1 January of year 1) of a date.
long ParadoxDate(TDateTime value);
