// A local table: an in-memory dataset whose records are read from and written through to one
// table of a local database. Field and index definitions create the table; index field names
// order its records (setting them re-sorts an open table), and name its current index.
#pragma once

#include "platform/dataset/MemDataSet.h"
#include "platform/localdb/IndexDefs.h"
#include "platform/localdb/LocalDatabase.h"

#include <memory>
#include <string>
#include <vector>

class TTable : public TMemDataSet {
public:
    TTable(TLocalDatabase& database, std::string tableName);
    ~TTable() override;

    const std::string& TableName() const { return FTableName; }
    TLocalDatabase& Database() const { return FDatabase; }

    //! Creates the table from FieldDefs() and its indexes from IndexDefs(), replacing a table of
    //! that name. Needs a closed table.
    void CreateTable();
    //! Drops the table and its indexes. Needs a closed table.
    void DeleteTable();
    //! Whether the database holds the table.
    bool Exists() const;

    //! The index definitions; CreateTable creates them, UpdateIndexDefs reads them back.
    TIndexDefs& IndexDefs() { return FIndexDefs; }
    //! Re-reads the index definitions of the stored table, in creation order.
    void UpdateIndexDefs();

    //! The fields the records are ordered by, "A;B"; empty = storage order.
    const std::string& IndexFieldNames() const { return FIndexFieldNames; }
    //! Orders by other fields; an open table re-reads its records in the new order and moves to
    //! the first. A name the table lacks raises "Field 'X' not found"; the order then stays.
    void SetIndexFieldNames(const std::string& names);
    //! Number of fields of the current index (the index field names).
    int IndexFieldCount() const;
    //! The i-th field of the current index.
    TField& IndexFields(int index) const;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    void InternalRefresh() override;
    void InternalInsert(int index, const TRecordBuffer& record) override;
    void InternalUpdate(int index, const TRecordBuffer& record) override;
    void InternalDelete(int index) override;
    //! The records held and their rowids; the stored order stays that of the index field names.
    void InternalReorder(const std::vector<int>& order) override;

private:
    void ReadFieldDefs();
    void ReadRecords();
    std::string OrderByClause() const;
    std::string IndexName(const std::string& name) const;
    void CheckFieldNames(const std::string& names) const;
    TLocalStatement& InsertStatement();

    TLocalDatabase& FDatabase;
    std::string FTableName;
    TIndexDefs FIndexDefs;
    std::string FIndexFieldNames;
    std::vector<long long> FRowIds;           // parallel to the records held
    std::unique_ptr<TLocalStatement> FInsert; // prepared on the first insert after open
};
