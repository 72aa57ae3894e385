// Temporary tables: naming, creation on open, deletion on close.
#include "platform/localdb/temp/TempTable.h"

#include "platform/localdb/temp/LocalDates.h"
#include "platform/localdb/temp/PrivateDatabase.h"
#include "platform/ui/UserInterface.h"

#include <atomic>
#include <exception>

namespace {

int NextTableNumber() {
    static std::atomic<int> counter{0};
    return counter++;
}

} // namespace

std::string TempTableName(const std::string& directory, int n) {
    return (directory.empty() ? "" : directory + "/") + "_TMP" + std::to_string(n);
}

TTempTable::TTempTable() : TTempTable(PrivateDatabase(), PrivateDirectory()) {}

TTempTable::TTempTable(TLocalDatabase& database, const std::string& directory)
    : TTable(database, TempTableName(directory, NextTableNumber())) {}

TTempTable::~TTempTable() {
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; the table is left to the private database's removal.
    }
}

std::string TTempTable::QuotedName() const {
    return QuoteIdentifier(TableName());
}

void TTempTable::InternalOpen() {
    IndexDefs().Clear();
    if (!IndexFieldNames().empty())
        IndexDefs().Add("PK", IndexFieldNames());
    try {
        CreateTable();
    } catch (const std::exception& e) {
        Ui().ShowMessage(e.what());
    }
    TTable::InternalOpen();
}

void TTempTable::InternalClose() {
    TTable::InternalClose();
    try {
        DeleteTable();
    } catch (const std::exception& e) {
        Ui().ShowMessage(e.what());
    }
}

TRecordBuffer TTempTable::WithDateTexts(const TRecordBuffer& record) const {
    TRecordBuffer stored = record;
    for (int i = 0; i < FieldDefs().Count(); ++i) {
        TVariant& value = stored[static_cast<size_t>(i)];
        if (StoredAsDateText(FieldDefs()[i].DataType) && value.Kind() == TVarKind::DateTime)
            value = TVariant::FromText(StoredDateText(FieldDefs()[i].DataType, value.DateTime()));
    }
    return stored;
}

// The table writes the date texts; the records held keep their dates.
void TTempTable::InternalInsert(int index, const TRecordBuffer& record) {
    TTable::InternalInsert(index, WithDateTexts(record));
    TMemDataSet::InternalUpdate(index, record);
}

void TTempTable::InternalUpdate(int index, const TRecordBuffer& record) {
    TTable::InternalUpdate(index, WithDateTexts(record));
    TMemDataSet::InternalUpdate(index, record);
}
