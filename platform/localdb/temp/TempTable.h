// A temporary local table: named "_TMP" and a process-wide counter, prefixed with the private
// directory, created from its field definitions when opened and deleted when closed. Creation and
// deletion errors are shown as messages and do not stop the open or close. Dates are stored as
// the local engine's date texts, so that queries compare them with date literals.
#pragma once

#include "platform/localdb/Table.h"

class TTempTable : public TTable {
public:
    //! A table in the private database with the next free name.
    TTempTable();
    //! A table in database; directory (may be empty) prefixes the name.
    TTempTable(TLocalDatabase& database, const std::string& directory);
    ~TTempTable() override;

    //! The name a query text uses: the table's full path in double quotes.
    std::string QuotedName() const;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    void InternalInsert(int index, const TRecordBuffer& record) override;
    void InternalUpdate(int index, const TRecordBuffer& record) override;

private:
    TRecordBuffer WithDateTexts(const TRecordBuffer& record) const;
};

//! The name of the n-th temporary table in directory.
std::string TempTableName(const std::string& directory, int n);
