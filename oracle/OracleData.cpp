// TOracleDataSet reading: opening the main query, the column descriptors and field definitions,
// fetching records (all at open, lazily, or block by block when unidirectional), the record count
// and ExecuteStatement.
#include "oracle/OracleData.h"
#include "platform/dataset/RecordPacking.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cassert>
#include <utility>

TOracleDataSet::TOracleDataSet(std::string name) : TDataSet(std::move(name)) {}

TOracleDataSet::~TOracleDataSet() {
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; the records go either way.
    }
    SetSession(nullptr);
}

void TOracleDataSet::SetSession(TOracleSession* session) {
    if (FSession)
        std::erase(FSession->FDataSets, this);
    FSession = session;
    FMainQuery.SetSession(session);
    if (FSession)
        FSession->FDataSets.push_back(this);
}

void TOracleDataSet::SetUnidirectional(bool value) {
    CheckInactive();
    FUnidirectional = value;
}

void TOracleDataSet::BuildFieldInfos() {
    const TOracleQuery& query = FMainQuery;
    FRowIdColumn = query.ColumnIndex("ROWID");
    for (int i = 0; FRowIdColumn < 0 && i < query.ColumnCount(); ++i) {
        const ub2 type = query.Column(i).InternalType;
        if (type == SQLT_RID || type == SQLT_RDD)
            FRowIdColumn = i;
    }
    FFieldInfos.clear();
    FieldDefs().Clear();
    const TSessionPreferences& preferences = FSession->Preferences;
    for (int i = 0; i < query.ColumnCount(); ++i) {
        if (i == FRowIdColumn)
            continue;
        const TFieldData& column = query.Column(i);
        TOracleFieldInfo info;
        info.ColumnName = column.Name;
        info.FieldName = column.Name;
        for (int n = 1; FieldDefs().IndexOf(info.FieldName) >= 0; ++n)
            info.FieldName = column.Name + "_" + std::to_string(n);
        info.Column = i;
        info.Position = static_cast<int>(FFieldInfos.size()) + 1;
        info.Fetch = column.Fetch;
        info.Precision = column.Precision;
        info.National = column.National;
        // A field the sequence fills at post or on the server may be left empty until then.
        const bool filledLater = info.FieldName == SequenceField.Field &&
                                 SequenceField.ApplyMoment != TSequenceApplyMoment::amOnNewRecord;
        info.Required = OracleDictionary.RequiredFields && !column.Nullable && !filledLater;
        TFieldType type;
        int size = 0;
        switch (column.Fetch.Type) {
        case SQLT_INT:
            type = preferences.SmallIntPrecision >= column.Precision ? TFieldType::ftSmallint
                                                                     : TFieldType::ftInteger;
            break;
        case SQLT_FLT:
            type = TFieldType::ftFloat;
            break;
        case SQLT_STR:
            size = std::max(column.CharSize > 0 ? column.CharSize : column.Fetch.Size - 1, 1); // to show
            type = preferences.MaxStringFieldSize != 0 && preferences.MaxStringFieldSize < size
                       ? TFieldType::ftMemo
                   : preferences.ForceWideStringFields || column.National ? TFieldType::ftWideString
                                                                          : TFieldType::ftString;
            if (type == TFieldType::ftMemo)
                size = 0;
            break;
        case SQLT_DAT:
            type = TFieldType::ftDateTime;
            break;
        case SQLT_LNG:
            type = TFieldType::ftMemo;
            break;
        case SQLT_LBI:
            type = TFieldType::ftBlob;
            break;
        default:
            continue; // no field
        }
        info.Memo = type == TFieldType::ftMemo;
        // The server measures a text in its column's own terms (bytes of the database's character
        // set, or characters) and refuses what does not fit, so the field keeps every text whole.
        FieldDefs().Add(info.FieldName, type, size, info.Required, false);
        FFieldInfos.push_back(info);
    }
}

void TOracleDataSet::InternalOpen() {
    if (CachedUpdates)
        throw Exception("CachedUpdates are not supported");
    if (OracleDictionary.UseMessageTable)
        throw Exception("The constraint message table is not supported");
    if (!FSession)
        throw Exception("Session undefined");
    FieldDefs().Clear();
    if (BeforeQuery)
        BeforeQuery(FMainQuery);
    FMainQuery.Execute();
    BuildFieldInfos();
    FRecords.clear();
    FDiscarded = FBlockCapacity = FBlockUsed = FNextRecordNumber = FInserted = FDeleted = 0;
    FServerCount = -1;
    FUpdatingTable.clear();
    FFirstRowPending = !FMainQuery.Eof();
    if (QueryAllRecords && !FUnidirectional)
        FetchAll();
    if (AfterQuery)
        AfterQuery(FMainQuery);
}

void TOracleDataSet::InternalClose() {
    // A cursor left open would go on holding the server's (or the engine's) rows of the query.
    FMainQuery.CloseStatement();
    // The room too: a dataset read whole once would otherwise keep a slot for each of its rows.
    std::deque<TOracleRecord>().swap(FRecords);
    FDiscarded = 0;
    FDMLQuery.reset();
    FFieldInfos.clear();
    FUpdatingTable.clear();
}

void TOracleDataSet::InternalRefresh() {
    FRecords.clear();
    FDiscarded = FBlockCapacity = FBlockUsed = FNextRecordNumber = FInserted = FDeleted = 0;
    FServerCount = -1;
    FMainQuery.Execute();
    FFirstRowPending = !FMainQuery.Eof();
    if (QueryAllRecords && !FUnidirectional)
        FetchAll();
}

void TOracleDataSet::FetchAll() {
    while (FetchOne()) {
    }
}

bool TOracleDataSet::FetchMore() {
    return FetchOne();
}

TVariant TOracleDataSet::ColumnFieldValue(const TOracleQuery& query, int column,
                                          const TOracleFieldInfo& info) const {
    if (query.ColumnIsNull(column))
        return TVariant();
    switch (info.Fetch.Type) {
    case SQLT_INT:
        return TVariant::FromInteger(query.ColumnAsInteger(column));
    case SQLT_FLT:
        return TVariant::FromFloat(query.ColumnAsFloat(column));
    case SQLT_DAT:
        return TVariant::FromDateTime(query.ColumnAsDate(column));
    case SQLT_LBI: {
        const TVariant bytes = query.ColumnValue(column);
        return bytes.Bytes().empty() ? TVariant() : bytes;
    }
    case SQLT_STR:
    case SQLT_LNG: {
        std::string text = query.ColumnAsString(column);
        if (FSession->Preferences.TrimStringFields && info.Fetch.Type == SQLT_STR)
            text = TrimRight(text, " ");
        return info.Memo && text.empty() ? TVariant() : TVariant::FromText(text);
    }
    default:
        throw Exception("Unexpected datatype: " + info.FieldName);
    }
}

bool TOracleDataSet::FetchOne() {
    if (!FFirstRowPending) {
        if (FMainQuery.Eof())
            return false;
        FMainQuery.Next();
        if (FMainQuery.Eof())
            return false;
    }
    FFirstRowPending = false;
    TOracleRecord record;
    record.Values.resize(FFieldInfos.size());
    for (size_t i = 0; i < FFieldInfos.size(); ++i)
        record.Values[i] = ColumnFieldValue(FMainQuery, FFieldInfos[i].Column, FFieldInfos[i]);
    if (FRowIdColumn >= 0)
        record.RowId = FMainQuery.ColumnAsString(FRowIdColumn);
    if (PackFetchedRecords)
        record.Packed = PackRecord(std::exchange(record.Values, {}));
    AddFetched(std::move(record));
    if (AfterFetchRecord)
        AfterFetchRecord(*this);
    return true;
}

// Records go into blocks that grow by half the records held; a unidirectional dataset drops every
// record it holds when it starts a new block, so memory stays bounded by one block.
void TOracleDataSet::AddFetched(TOracleRecord record) {
    if (FBlockUsed == FBlockCapacity) {
        FBlockCapacity = std::max(RecordsHeld() / 2, ReadBuffer() + 1);
        FBlockUsed = 0;
        if (FUnidirectional) {
            FDiscarded += static_cast<int>(FRecords.size());
            FRecords.clear();
        }
    }
    ++FBlockUsed;
    record.RecordNumber = ++FNextRecordNumber;
    FRecords.push_back(std::move(record));
}

void TOracleDataSet::DiscardBefore(int recNo) {
    const int count = std::min(recNo - 1, RecordsHeld()) - FDiscarded;
    if (count <= 0)
        return;
    FRecords.erase(FRecords.begin(), FRecords.begin() + count);
    FDiscarded += count;
}

TOracleDataSet::TOracleRecord& TOracleDataSet::Held(int index) {
    return const_cast<TOracleRecord&>(std::as_const(*this).Held(index));
}

const TOracleDataSet::TOracleRecord& TOracleDataSet::Held(int index) const {
    if (index < FDiscarded)
        throw RecordDiscardedError(index);
    assert(index < RecordsHeld());
    const TOracleRecord& record = FRecords[static_cast<size_t>(index - FDiscarded)];
    if (!record.Packed.empty()) {
        record.Values = UnpackRecord(record.Packed);
        std::string().swap(record.Packed);
    }
    return record;
}

const TRecordBuffer& TOracleDataSet::GetRecord(int index) const {
    return Held(index).Values;
}

std::string TOracleDataSet::RowId() const {
    return IsEmpty() ? std::string() : Held(RecNo() - 1).RowId;
}

int TOracleDataSet::RecordCount() const {
    if (!Active())
        return 0;
    if (!CountAllRecords)
        return RecordsHeld();
    if (FServerCount < 0) {
        TOracleQuery count("CountQuery");
        count.SetSession(FSession);
        CopyMainVariablesTo(count);
        // The order costs a sort of every row and changes no count.
        count.SetSQLText("select count(*) from (" + WithoutFinalOrderBy(MainSQLText()) + ")");
        count.Execute();
        FServerCount = count.ColumnAsInt32(0);
    }
    return FServerCount + FInserted - FDeleted;
}

std::string TOracleDataSet::MainSQLText() const {
    std::string text;
    for (const std::string& line : FMainQuery.SQL)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

void TOracleDataSet::CopyMainVariablesTo(TOracleQuery& query) const {
    for (int i = 0; i < FMainQuery.Variables().Count(); ++i) {
        const TVariableData& variable = FMainQuery.Variables()[i];
        query.AddVariable(variable.Name, variable.Type);
        query.AssignVariable(variable.Name, FMainQuery.VariableValue(variable.Name));
    }
}

bool TOracleDataSet::CanModify() const {
    return Active() && (FRowIdColumn >= 0 || OnApplyRecord) && !ReadOnly;
}

void TOracleDataSet::ExecuteStatement() {
    CheckInactive();
    FMainQuery.Execute();
}

std::string TOracleDataSet::UpdatingTableName() const {
    if (!UpdatingTable.empty()) {
        std::string table = UpperCase(UpdatingTable);
        std::erase(table, '"');
        return table;
    }
    if (FUpdatingTable.empty()) {
        std::string text;
        for (const std::string& line : FMainQuery.SQL)
            text += line + "\n";
        FUpdatingTable = UpdatingTableFromSQL(text);
    }
    return FUpdatingTable;
}

// The records held, ROWIDs with them, in a grid's chosen order; a block source no longer holds all.
void TOracleDataSet::InternalReorder(const std::vector<int>& order) {
    if (FDiscarded > 0)
        return TDataSet::InternalReorder(order);
    std::deque<TOracleRecord> sorted;
    for (int index : order)
        sorted.push_back(std::move(FRecords[static_cast<size_t>(index)]));
    FRecords = std::move(sorted);
}
