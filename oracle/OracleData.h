// TOracleDataSet: a dataset over a SELECT run through its own TOracleQuery ("MainQuery"), records held
// in memory (or one block at a time when unidirectional), and the changes written back by ROWID
// through a second query ("DMLQuery") under a savepoint, committed per post.
#pragma once

#include "oracle/Oracle.h"
#include "platform/dataset/DataSet.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class TLockingMode { lmLockImmediate, lmCheckImmediate, lmLockDelayed, lmNone };

//! A field filled from a sequence: when a record starts, when it is posted (if still empty), or by
//! the server in the INSERT itself (the record is then re-read).
enum class TSequenceApplyMoment { amOnNewRecord, amOnPost, amOnServer };
struct TSequenceField {
    std::string Field, Sequence;
    TSequenceApplyMoment ApplyMoment = TSequenceApplyMoment::amOnPost;
};

//! Which records are re-read from the server.
struct TRefreshOptions {
    bool BeforeEdit = false;
    bool AfterInsert = false;
    bool AfterUpdate = false;
    bool AllFields = false;
};

//! Use of data-dictionary information; only RequiredFields is supported.
struct TOracleDictionary {
    bool EnforceConstraints = false;
    bool UseMessageTable = false;
    bool DefaultValues = false;
    bool DynamicDefaults = false;
    bool FieldKinds = false;
    bool DisplayFormats = false;
    bool RangeValues = false;
    bool RequiredFields = true;
    bool CharacterSize = false;
};

class TOracleDataSet;
//! Lets the owner apply a record itself: action 'I', 'U', 'D', 'L', 'R' or 'C'.
using TApplyRecordEvent =
    std::function<void(TOracleDataSet& sender, char action, bool& applied, std::string& newRowId)>;
//! Last word on an error text.
using TTranslateMessageEvent =
    std::function<void(TOracleDataSet& sender, int errorCode, const std::string& constraintName, char action,
                       std::string& message)>;

//! One select-list column of the dataset and the field it feeds.
struct TOracleFieldInfo {
    std::string ColumnName;
    std::string FieldName;
    int Column = 0;   //!< position in the select list, 0-based
    int Position = 0; //!< descriptor position, 1-based (0 is the row identifier)
    TFetchType Fetch{SQLT_STR, 0};
    int Precision = 0;
    bool Required = false;
    bool National = false; //!< NCHAR, NVARCHAR2: bound in the national form
    bool Memo = false;     //!< the field is a memo: an empty text reads as NULL
};

//! A column of a table's INSERT and the type its value is bound with.
struct TInsertColumn {
    std::string Name;
    int Type = 0;
    bool National = false; //!< bind it with SetVariableNational
};

//! The table name of a SELECT text: the first name after " FROM ", sub-queries skipped.
std::string UpdatingTableFromSQL(const std::string& sql);
//! The statement without its final ORDER BY where that changes no row it gives.
std::string WithoutFinalOrderBy(const std::string& sql);
//! The SELECT narrowed to the row whose ROWID the named variable holds: the first table's alias (or
//! name) + ".rowid = :" + variable, added to the outer WHERE condition or as a new one.
std::string RestrictedToRowId(const std::string& sql, const std::string& variable);
//! An Oracle message as shown for a failed change: codes 20000-20999 lose their "ORA-06512" stack;
//! for constraint errors (1, 2290, 2291, 2292) constraintName receives the constraint's name.
std::string TranslateOracleMessage(const std::string& message, int code, std::string& constraintName);

class TOracleDataSet : public TDataSet {
public:
    explicit TOracleDataSet(std::string name = {});
    ~TOracleDataSet() override;

    //! The SELECT (or any statement for ExecuteStatement), shared with the main query.
    std::vector<std::string>& SQL() { return FMainQuery.SQL; }
    void SetSQLText(const std::string& text) { FMainQuery.SetSQLText(text); }
    TOracleSession* Session() const { return FSession; }
    void SetSession(TOracleSession* session);
    TOracleQuery& MainQuery() { return FMainQuery; }

    int ReadBuffer() const { return FMainQuery.ReadBuffer; }
    void SetReadBuffer(int rows) { FMainQuery.ReadBuffer = rows; }
    void SetOptimize(bool value) { FMainQuery.Optimize = value; }
    void SetDebug(bool value) { FMainQuery.Debug = value; }
    void SetStringFieldsOnly(bool value) { FMainQuery.StringFieldsOnly = value; }
    void SetCursor(TScreenCursor cursor) { FMainQuery.Cursor = cursor; }

    bool ReadOnly = false;
    bool Unidirectional() const { return FUnidirectional; }
    //! Needs a closed dataset.
    void SetUnidirectional(bool value);
    bool QueryAllRecords = true;
    bool CountAllRecords = false;
    //! Fetched records are held packed, in a tenth of the room, and unpacked as they are reached.
    bool PackFetchedRecords = false;
    TLockingMode LockingMode = TLockingMode::lmCheckImmediate;
    TRefreshOptions RefreshOptions;
    bool CommitOnPost = true;
    TSequenceField SequenceField;
    std::string UpdatingTable;
    std::string UniqueFields;   //!< refused on modification in this build
    bool CachedUpdates = false; //!< refused on open in this build
    TOracleDictionary OracleDictionary;
    TApplyRecordEvent OnApplyRecord;
    TTranslateMessageEvent OnTranslateMessage;
    TQueryNotifyEvent BeforeQuery, AfterQuery;
    TDataSetNotifyEvent AfterFetchRecord, AfterRefreshRecord;

    void DeclareVariable(const std::string& name, int type) { FMainQuery.AddVariable(name, type); }
    void AssignVariable(const std::string& name, const TVariant& value) {
        FMainQuery.AssignVariable(name, value);
    }
    TVariant GetVariable(const std::string& name) const { return FMainQuery.VariableValue(name); }
    //! Runs the SQL on a closed dataset: no fetching, no commit.
    void ExecuteStatement();

    int RecordCount() const override;
    bool CanModify() const override;
    //! Frees the records before record recNo (1-based) as a unidirectional dataset frees its old
    //! blocks, for a reader that goes only forward from there; they can no longer be reached.
    void DiscardBefore(int recNo);
    //! The row identifier of the current record ("" when none).
    std::string RowId() const;
    //! The table changes are written to.
    std::string UpdatingTableName() const;
    const std::vector<TOracleFieldInfo>& FieldInfos() const { return FFieldInfos; }
    //! The columns posting a record may insert, in field order, bound as the dataset binds them.
    //! Refused where posting does more than one INSERT (a sequence, OnApplyRecord).
    std::vector<TInsertColumn> InsertColumns() const;
    //! A record's values for InsertColumns(), NULL where posting would leave the column out.
    std::vector<TVariant> InsertValues(const TRecordBuffer& record) const;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    int RecordsHeld() const override { return FDiscarded + static_cast<int>(FRecords.size()); }
    bool FetchMore() override;
    const TRecordBuffer& GetRecord(int index) const override;
    void InternalInsert(int index, const TRecordBuffer& record) override;
    void InternalUpdate(int index, const TRecordBuffer& record) override;
    void InternalDelete(int index) override;
    void InternalRefresh() override;
    void InternalEdit(int index) override;
    void InternalReorder(const std::vector<int>& order) override;

private:
    friend class TSavepointScope;
    struct TOracleRecord {
        // A record read for the first time is unpacked in place, which a const reader may do.
        mutable TRecordBuffer Values;
        mutable std::string Packed;
        std::string RowId;
        int RecordNumber = 0;
    };

    void BuildFieldInfos();
    void FetchAll();
    bool FetchOne();
    TVariant ColumnFieldValue(const TOracleQuery& query, int column, const TOracleFieldInfo& info) const;
    void AddFetched(TOracleRecord record);
    TOracleRecord& Held(int index);
    const TOracleRecord& Held(int index) const;
    TOracleQuery& DMLQuery();
    bool HasValue(const TVariant& value) const;
    void CheckChangesSupported() const;
    std::string ApplyInsert(const TRecordBuffer& record);
    std::string RunInsert(const TRecordBuffer& record);
    void ApplyUpdate(int index, const TRecordBuffer& record);
    //! The row identifier the server returned ("" when none).
    std::string RunUpdate(int index, const TRecordBuffer& record);
    void ApplyDelete(int index);
    void LockAndVerify(int index, bool forUpdate);
    void RefreshRecord(int index);
    //! Replaces the record's values by the row's, locked when asked.
    void ReadRecord(int index, bool forUpdate);
    //! allFields reads through the dataset's own SELECT rather than the table's columns.
    bool ReadRowById(const std::string& rowId, bool forUpdate, bool allFields = false);
    std::string MainSQLText() const;
    //! Declares the main query's variables in query with their current values.
    void CopyMainVariablesTo(TOracleQuery& query) const;
    void CheckRowId(int index, const std::string& what) const;
    //! Whether OnApplyRecord took the action ('L', 'R', 'C') on the record itself.
    bool AppliedByOwner(int index, char action);
    void InitNewRecord(TRecordBuffer& record) override;
    //! Fills the sequence field at the given moment when it is still empty.
    void ApplySequence(TRecordBuffer& record, TSequenceApplyMoment moment);
    bool SequenceOnServer() const;
    void Savepoint();
    void RollbackToSavepoint();
    bool UsesSavepoint() const;
    void CommitPost();
    [[noreturn]] void RaiseTranslated(const EOracleError& error, char action);

    TOracleQuery FMainQuery{"MainQuery"};
    std::unique_ptr<TOracleQuery> FDMLQuery;
    TOracleSession* FSession = nullptr;
    bool FUnidirectional = false;
    std::vector<TOracleFieldInfo> FFieldInfos;
    int FRowIdColumn = -1;
    bool FFirstRowPending = false;
    // The records held; index 0 is record FDiscarded. A deque, so that a run discarding the rows
    // behind it costs what it discards and gives their memory back.
    std::deque<TOracleRecord> FRecords;
    int FDiscarded = 0;
    int FBlockCapacity = 0;
    int FBlockUsed = 0;
    int FNextRecordNumber = 0;
    mutable int FServerCount = -1; // CountAllRecords: the count query's result, once per open
    int FInserted = 0;
    int FDeleted = 0;
    mutable std::string FUpdatingTable;
};
