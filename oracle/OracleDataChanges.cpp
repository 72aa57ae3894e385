// Writing a TOracleDataSet's changes back: INSERT, UPDATE and DELETE built line by line in the
// DML query and addressed by ROWID, each under "savepoint QEL__LOCKPOINT" and committed per post;
// locking and verifying records; re-reading one record; server errors as translated messages.
#include "oracle/OracleData.h"
#include "platform/settings/TextUtils.h"

namespace {

const char kRowIdVariable[] = "qel__rowid";
const char kDeletedByOther[] = "Record has been deleted by another user";

// Runs a change addressed to one row by its ROWID; a row gone meanwhile was deleted by another user.
void ExecuteOnRowId(TOracleQuery& query, const std::string& rowId) {
    query.AddVariable(kRowIdVariable, otType::otString);
    query.AssignVariable(kRowIdVariable, TVariant::FromText(rowId));
    query.Execute();
    if (query.ProcessedRows() == 0)
        throw EDatabaseError(kDeletedByOther);
}

void DeclareColumnVariable(TOracleQuery& query, const std::string& variable, const TOracleFieldInfo& info) {
    query.AddVariable(variable, info.Fetch.Type);
    if (info.National)
        query.SetVariableNational(variable);
}

std::string ReturningRowIdLine() {
    return std::string("returning rowid into :") + kRowIdVariable;
}

std::string ReturnedRowId(const TOracleQuery& query) {
    const TVariant rowId = query.VariableValue(kRowIdVariable);
    return rowId.IsNull() ? std::string() : rowId.Text();
}

} // namespace

//! Sets the savepoint for one change; unless Keep() is called, rolls back to it (errors ignored),
//! so a failed change leaves nothing behind while earlier committed rows stay.
class TSavepointScope {
public:
    explicit TSavepointScope(TOracleDataSet& dataSet) : FDataSet(dataSet), FSet(dataSet.UsesSavepoint()) {
        if (FSet)
            FDataSet.Savepoint();
    }
    ~TSavepointScope() {
        if (!FSet)
            return;
        try {
            FDataSet.RollbackToSavepoint();
        } catch (...) {
            // The original failure is the one to report.
        }
    }
    TSavepointScope(const TSavepointScope&) = delete;
    TSavepointScope& operator=(const TSavepointScope&) = delete;
    void Keep() { FSet = false; }

private:
    TOracleDataSet& FDataSet;
    bool FSet;
};

TOracleQuery& TOracleDataSet::DMLQuery() {
    if (!FDMLQuery) {
        FDMLQuery = std::make_unique<TOracleQuery>("DMLQuery");
        FDMLQuery->ReadBuffer = 2;
        FDMLQuery->StringFieldsOnly = false;
        FDMLQuery->Debug = FMainQuery.Debug;
        FDMLQuery->Optimize = FMainQuery.Optimize;
        FDMLQuery->Cursor = FMainQuery.Cursor;
        FDMLQuery->SetSession(FSession);
    }
    return *FDMLQuery;
}

bool TOracleDataSet::UsesSavepoint() const {
    return !FSession->AutoCommit() && !FSession->OdbcMode();
}

void TOracleDataSet::Savepoint() {
    TOracleQuery& query = DMLQuery();
    query.DeleteVariables();
    query.SetSQLText("savepoint QEL__LOCKPOINT");
    query.Execute();
}

void TOracleDataSet::RollbackToSavepoint() {
    TOracleQuery& query = DMLQuery();
    query.DeleteVariables();
    query.SetSQLText("rollback to savepoint QEL__LOCKPOINT");
    query.Execute();
}

void TOracleDataSet::CommitPost() {
    if (CommitOnPost && !CachedUpdates && !FSession->AutoCommit())
        FSession->Commit();
}

void TOracleDataSet::CheckChangesSupported() const {
    if (!UniqueFields.empty())
        throw Exception("UniqueFields are not supported: provide a rowid in the query");
}

bool TOracleDataSet::HasValue(const TVariant& value) const {
    if (value.IsNull())
        return false;
    if (value.Kind() == TVarKind::Text && FSession->Preferences.TrimStringFields)
        return !TrimRight(value.Text(), " ").empty();
    return true;
}

void TOracleDataSet::RaiseTranslated(const EOracleError& error, char action) {
    std::string constraint;
    std::string message = TranslateOracleMessage(error.what(), error.ErrorCode(), constraint);
    if (OnTranslateMessage)
        OnTranslateMessage(*this, error.ErrorCode(), constraint, action, message);
    throw EDatabaseError(message);
}

void TOracleDataSet::CheckRowId(int index, const std::string& what) const {
    if (Held(index).RowId.empty() && !OnApplyRecord)
        throw EDatabaseError(what +
                             " cannot be performed without a rowid.\r\n"
                             "Provide a rowid in the query or handle this action in the OnApplyRecord event");
}

// ---- Insert ------------------------------------------------------------------------------------

void TOracleDataSet::InternalInsert(int index, const TRecordBuffer& posted) {
    TRecordBuffer record = posted;
    ApplySequence(record, TSequenceApplyMoment::amOnPost);
    const bool anyValue =
        SequenceOnServer() ||
        std::any_of(record.begin(), record.end(), [this](const TVariant& v) { return HasValue(v); });
    TOracleRecord added;
    added.Values = record;
    if (anyValue)
        added.RowId = ApplyInsert(record);
    added.RecordNumber = ++FNextRecordNumber;
    const int position = std::max(index - FDiscarded, 0);
    FRecords.insert(FRecords.begin() + std::min<size_t>(static_cast<size_t>(position), FRecords.size()),
                    added);
    ++FInserted;
    if (anyValue && (RefreshOptions.AfterInsert || SequenceOnServer()))
        RefreshRecord(index);
}

bool TOracleDataSet::SequenceOnServer() const {
    return !SequenceField.Field.empty() && SequenceField.ApplyMoment == TSequenceApplyMoment::amOnServer;
}

void TOracleDataSet::ApplySequence(TRecordBuffer& record, TSequenceApplyMoment moment) {
    if (SequenceField.Field.empty() || SequenceField.ApplyMoment != moment)
        return;
    const int field = FieldDefs().IndexOf(SequenceField.Field);
    if (field < 0 || HasValue(record[static_cast<size_t>(field)]))
        return;
    TOracleQuery query("SequenceQuery");
    query.SetSession(FSession);
    query.SetSQLText("select " + SequenceField.Sequence + ".nextval from dual");
    query.Execute();
    record[static_cast<size_t>(field)] = query.ColumnValue(0);
}

std::string TOracleDataSet::ApplyInsert(const TRecordBuffer& record) {
    CheckChangesSupported();
    try {
        TSavepointScope savepoint(*this);
        bool applied = false;
        std::string rowId;
        if (OnApplyRecord)
            OnApplyRecord(*this, 'I', applied, rowId);
        if (!applied)
            rowId = RunInsert(record);
        CommitPost();
        savepoint.Keep();
        return rowId;
    } catch (const EOracleError& error) {
        RaiseTranslated(error, 'I');
    }
}

std::string TOracleDataSet::RunInsert(const TRecordBuffer& record) {
    TOracleQuery& query = DMLQuery();
    query.DeleteVariables();
    std::string columns, values;
    for (const TOracleFieldInfo& info : FFieldInfos) {
        const TVariant& value = record[static_cast<size_t>(FieldDefs().IndexOf(info.FieldName))];
        if (SequenceOnServer() && info.FieldName == SequenceField.Field && !HasValue(value)) {
            columns += (columns.empty() ? "" : ", ") + info.ColumnName;
            values += (values.empty() ? "" : ", ") + SequenceField.Sequence + ".nextval";
            continue;
        }
        if (!HasValue(value))
            continue; // the server's own column default applies
        const std::string variable = "v" + std::to_string(info.Position);
        columns += (columns.empty() ? "" : ", ") + info.ColumnName;
        values += (values.empty() ? ":" : ", :") + variable;
        DeclareColumnVariable(query, variable, info);
        query.AssignVariable(variable, value);
    }
    query.SQL = {"insert into " + UpdatingTableName(), "  (" + columns + ")", "values", "  (" + values + ")",
                 ReturningRowIdLine()};
    query.AddVariable(kRowIdVariable, otType::otString);
    query.Execute();
    return ReturnedRowId(query);
}

std::vector<TInsertColumn> TOracleDataSet::InsertColumns() const {
    CheckActive();
    CheckChangesSupported();
    if (!SequenceField.Field.empty() || OnApplyRecord)
        throw Exception(Name() + ": records with a sequence or applied by the owner are inserted one by one");
    std::vector<TInsertColumn> columns;
    for (const TOracleFieldInfo& info : FFieldInfos)
        columns.push_back({info.ColumnName, info.Fetch.Type, info.National});
    return columns;
}

std::vector<TVariant> TOracleDataSet::InsertValues(const TRecordBuffer& record) const {
    std::vector<TVariant> values;
    values.reserve(FFieldInfos.size());
    for (const TOracleFieldInfo& info : FFieldInfos) {
        const TVariant& value = record[static_cast<size_t>(FieldDefs().IndexOf(info.FieldName))];
        values.push_back(HasValue(value) ? value : TVariant());
    }
    return values;
}

// ---- Update ------------------------------------------------------------------------------------

void TOracleDataSet::InternalUpdate(int index, const TRecordBuffer& record) {
    ApplyUpdate(index, record);
    Held(index).Values = record;
    if (RefreshOptions.AfterUpdate)
        RefreshRecord(index);
}

void TOracleDataSet::ApplyUpdate(int index, const TRecordBuffer& record) {
    CheckChangesSupported();
    if (record == Held(index).Values)
        return; // nothing was modified
    try {
        TSavepointScope savepoint(*this);
        if ((LockingMode == TLockingMode::lmCheckImmediate || LockingMode == TLockingMode::lmLockDelayed) &&
            !AppliedByOwner(index, 'L'))
            LockAndVerify(index, true);
        bool applied = false;
        std::string rowId = Held(index).RowId;
        if (OnApplyRecord)
            OnApplyRecord(*this, 'U', applied, rowId);
        if (!applied)
            rowId = RunUpdate(index, record);
        Held(index).RowId = rowId.empty() ? Held(index).RowId : rowId;
        CommitPost();
        savepoint.Keep();
    } catch (const EOracleError& error) {
        RaiseTranslated(error, 'U');
    }
}

std::string TOracleDataSet::RunUpdate(int index, const TRecordBuffer& record) {
    CheckRowId(index, "An update");
    TOracleQuery& query = DMLQuery();
    query.DeleteVariables();
    const TRecordBuffer& old = Held(index).Values;
    std::string assignments;
    for (const TOracleFieldInfo& info : FFieldInfos) {
        const size_t field = static_cast<size_t>(FieldDefs().IndexOf(info.FieldName));
        if (record[field] == old[field])
            continue;
        const std::string variable = "v" + std::to_string(info.Position);
        assignments += (assignments.empty() ? "" : ", ") + info.ColumnName + " = :" + variable;
        DeclareColumnVariable(query, variable, info);
        query.AssignVariable(variable, record[field]);
    }
    query.SQL = {"update " + UpdatingTableName(), "set " + assignments,
                 std::string("where rowid = :") + kRowIdVariable, ReturningRowIdLine()};
    ExecuteOnRowId(query, Held(index).RowId);
    return ReturnedRowId(query);
}

// ---- Delete ------------------------------------------------------------------------------------

void TOracleDataSet::InternalDelete(int index) {
    ApplyDelete(index);
    FRecords.erase(FRecords.begin() + (index - FDiscarded));
    ++FDeleted;
}

void TOracleDataSet::ApplyDelete(int index) {
    CheckChangesSupported();
    CheckRowId(index, "A delete");
    try {
        TSavepointScope savepoint(*this);
        if (LockingMode != TLockingMode::lmNone && !AppliedByOwner(index, 'L'))
            LockAndVerify(index, true);
        bool applied = false;
        std::string rowId = Held(index).RowId;
        if (OnApplyRecord)
            OnApplyRecord(*this, 'D', applied, rowId);
        if (!applied) {
            TOracleQuery& query = DMLQuery();
            query.DeleteVariables();
            query.SQL = {"delete from " + UpdatingTableName(),
                         std::string("where rowid = :") + kRowIdVariable};
            ExecuteOnRowId(query, Held(index).RowId);
        }
        CommitPost();
        savepoint.Keep();
    } catch (const EOracleError& error) {
        RaiseTranslated(error, 'D');
    }
}

// ---- Locking, verifying and re-reading ---------------------------------------------------------

// Locking comes first: a record re-read before edit is re-read under its lock.
void TOracleDataSet::InternalEdit(int index) {
    if (LockingMode == TLockingMode::lmLockImmediate) {
        CheckRowId(index, "A lock, refresh or check");
        try {
            TSavepointScope savepoint(*this);
            if (!AppliedByOwner(index, 'L')) {
                if (RefreshOptions.BeforeEdit)
                    ReadRecord(index, true);
                else
                    LockAndVerify(index, true);
            }
            savepoint.Keep(); // the lock holds until the post commits
        } catch (const EOracleError& error) {
            RaiseTranslated(error, 'L');
        }
    } else if (RefreshOptions.BeforeEdit) {
        RefreshRecord(index);
    } else if (LockingMode == TLockingMode::lmCheckImmediate) {
        try {
            if (!AppliedByOwner(index, 'C'))
                LockAndVerify(index, false);
        } catch (const EOracleError& error) {
            RaiseTranslated(error, 'C');
        }
    }
}

bool TOracleDataSet::AppliedByOwner(int index, char action) {
    bool applied = false;
    std::string rowId = Held(index).RowId;
    if (OnApplyRecord)
        OnApplyRecord(*this, action, applied, rowId);
    return applied;
}

// A record lock taken at edit time is released with the transaction when a new record starts.
void TOracleDataSet::InitNewRecord(TRecordBuffer& record) {
    if (LockingMode == TLockingMode::lmLockImmediate && CommitOnPost && FSession)
        FSession->Rollback();
    ApplySequence(record, TSequenceApplyMoment::amOnNewRecord);
}

bool TOracleDataSet::ReadRowById(const std::string& rowId, bool forUpdate, bool allFields) {
    TOracleQuery& query = DMLQuery();
    query.DeleteVariables();
    if (allFields) {
        query.SetSQLText(RestrictedToRowId(MainSQLText(), kRowIdVariable));
        CopyMainVariablesTo(query);
    } else {
        query.SQL = {"select * from " + UpdatingTableName() + std::string(" where rowid = :") +
                     kRowIdVariable};
    }
    if (forUpdate)
        query.SQL.push_back("for update nowait");
    query.AddVariable(kRowIdVariable, otType::otString);
    query.AssignVariable(kRowIdVariable, TVariant::FromText(rowId));
    try {
        query.Execute();
    } catch (const EOracleError& error) {
        if (error.ErrorCode() == 54)
            throw EDatabaseError("Record is locked by another user");
        throw;
    }
    return !query.Eof();
}

void TOracleDataSet::LockAndVerify(int index, bool forUpdate) {
    CheckRowId(index, "A lock, refresh or check");
    if (Held(index).RowId.empty())
        return; // OnApplyRecord handles records without a rowid
    if (!ReadRowById(Held(index).RowId, forUpdate))
        throw EDatabaseError(kDeletedByOther);
    const TOracleQuery& query = DMLQuery();
    const TRecordBuffer& values = Held(index).Values;
    for (const TOracleFieldInfo& info : FFieldInfos) {
        const int column = query.ColumnIndex(info.ColumnName);
        if (column < 0)
            continue;
        const TVariant current = ColumnFieldValue(query, column, info);
        if (current != values[static_cast<size_t>(FieldDefs().IndexOf(info.FieldName))])
            throw EDatabaseError("Record has been changed by another user");
    }
}

void TOracleDataSet::RefreshRecord(int index) {
    CheckRowId(index, "A lock, refresh or check");
    if (!AppliedByOwner(index, 'R'))
        ReadRecord(index, false);
}

void TOracleDataSet::ReadRecord(int index, bool forUpdate) {
    if (!ReadRowById(Held(index).RowId, forUpdate, RefreshOptions.AllFields))
        throw EDatabaseError(kDeletedByOther);
    const TOracleQuery& query = DMLQuery();
    TOracleRecord& record = Held(index);
    for (const TOracleFieldInfo& info : FFieldInfos) {
        const int column = query.ColumnIndex(info.ColumnName);
        if (column >= 0)
            record.Values[static_cast<size_t>(FieldDefs().IndexOf(info.FieldName))] =
                ColumnFieldValue(query, column, info);
    }
    if (AfterRefreshRecord)
        AfterRefreshRecord(*this);
}
